// Saved charts in the browser (IndexedDB): each kept as its request line. Files of them are
// read and written by the core as the desktop's import and export read and write its records
// (request lines or CSV), so a file moves between the two editions.
import type { SavedFile } from './core';
import type { PageTexts } from './texts';

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

// What importing a file came to: the browser could not read it, or the core's reader refused
// it as a whole (each with why, in the words of the browser or the reader), or the lines it
// kept and those it refused.
export type ImportOutcome =
  | { unreadable: string }
  | { refused: string }
  | { kept: number; rejected: { line: number; reason: string }[] };

// Reads `file` with `read` (the core's reader of saved-charts files) and keeps what it accepts.
// A name ending in .csv (in any case) is CSV, as for the desktop's import.
export async function importFile(
  file: File, read: (text: string, csv: boolean) => SavedFile,
): Promise<ImportOutcome> {
  let text: string;
  try {
    text = await file.text();
  } catch (error) {
    return { unreadable: error instanceof Error ? error.message : String(error) };
  }
  const answer = read(text, /\.csv$/i.test(file.name));
  if (answer.error !== undefined) return { refused: answer.error };
  return { kept: await saveLines(answer.lines ?? []), rejected: answer.rejected ?? [] };
}

// The outcome as the saved charts' status line says it in the page's language: a lead-in of
// its own, with the browser's or the reader's English words after it.
export function importStatus(texts: PageTexts, fileName: string, outcome: ImportOutcome): string {
  if ('unreadable' in outcome) return texts.t('web.fileUnreadable', fileName, outcome.unreadable);
  if ('refused' in outcome) return texts.t('web.fileRefused', fileName, outcome.refused);
  if (outcome.rejected.length === 0) return texts.t('web.imported', String(outcome.kept));
  return [
    texts.t('web.importedRefused', String(outcome.kept), String(outcome.rejected.length)),
    ...outcome.rejected.map((r) => texts.t('web.rejectedLine', String(r.line), r.reason)),
  ].join('; ');
}
