// Saved charts in the browser (IndexedDB): each kept as its request line, the format
// kalodaya-chart --batch and the desktop's export of records read and write, so a file of
// them moves between the two editions.
const dbName = 'kalodaya';
const storeName = 'charts';

export interface SavedChart {
  id?: number;
  name: string;
  line: string;
}

function request<T>(r: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error);
  });
}

function open(): Promise<IDBDatabase> {
  const opening = indexedDB.open(dbName, 1);
  opening.onupgradeneeded = () =>
    opening.result.createObjectStore(storeName, { keyPath: 'id', autoIncrement: true });
  return request(opening);
}

async function store(mode: IDBTransactionMode): Promise<IDBObjectStore> {
  return (await open()).transaction(storeName, mode).objectStore(storeName);
}

export async function saveChart(line: string): Promise<void> {
  const name = String((JSON.parse(line) as { name?: unknown }).name ?? '');
  await request((await store('readwrite')).add({ name, line }));
}

export async function savedCharts(): Promise<SavedChart[]> {
  return request((await store('readonly')).getAll()) as Promise<SavedChart[]>;
}

// The saved charts as request lines, one a line.
export async function exportLines(): Promise<string> {
  return (await savedCharts()).map((chart) => `${chart.line}\n`).join('');
}

// Keeps every line of `text` that is one JSON object; returns how many were kept and the
// numbers of the lines that were not.
export async function importLines(text: string): Promise<{ kept: number; rejected: number[] }> {
  const rejected: number[] = [];
  let kept = 0;
  const lines = text.split(/\r?\n/);
  for (let i = 0; i < lines.length; ++i) {
    const line = lines[i].trim();
    if (line === '') continue;
    try {
      const value: unknown = JSON.parse(line);
      if (value === null || typeof value !== 'object' || Array.isArray(value)) throw new Error();
      await saveChart(line);
      ++kept;
    } catch {
      rejected.push(i + 1);
    }
  }
  return { kept, rejected };
}
