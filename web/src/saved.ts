// Saved charts in the browser (IndexedDB): each kept as its request line. Files of them are
// read and written by the core as the desktop's import and export read and write its records
// (request lines or CSV), so a file moves between the two editions.
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

// The saved charts' request lines, one a line.
export async function savedLines(): Promise<string> {
  return (await savedCharts()).map((chart) => `${chart.line}\n`).join('');
}

// Keeps every request line; returns how many were kept.
export async function saveLines(lines: string[]): Promise<number> {
  for (const line of lines) await saveChart(line);
  return lines.length;
}
