// The chart layer in WebAssembly: the module, its exported functions, and the atlas files
// written into its file system once fetched.
import type { PageTextsJson } from './texts';

interface KalodayaModule {
  FS: {
    mkdir(path: string): void;
    writeFile(path: string, data: Uint8Array): void;
  };
  ccall(name: string, returnType: 'string', argTypes: string[], args: unknown[]): string;
}

// What the form's lists and the details page's captions hold, as the core gives them.
export interface FormLists {
  months: string[];
  zones: string[];
  first_year: number;
  last_year: number;
  lat_degree_digits: number;
  lon_degree_digits: number;
  minute_digits: number;
  profile_captions: string[];
  // The calculation settings' names, the default first, and each ephemeris's own ayanamsa.
  settings: Record<SettingKey, string[]>;
  default_ayanamsa: Record<string, string>;
}

export type SettingKey = 'ephemeris' | 'ayanamsa' | 'node' | 'sunrise';

// The texts of a chart's birth-time windows; none when the line gives no chart.
export interface WindowTexts {
  ghati_lagna?: string;
  ascendant?: string;
  moon?: string;
  chart?: string;
}

// One match of a place search (kalodaya-chart --find-place's members).
export interface PlaceMatch {
  name: string;
  state: string;
  country: string;
  country_code: string;
  lat: number;
  lon: number;
  population: number;
  time_zone: string;
  geonames_id: number;
}

// The boxes an atlas place fills (texts in the request line's forms).
export interface PlaceEntries {
  error?: string;
  city: string;
  state: string;
  country: string;
  lat: string;
  lon: string;
  dst: boolean;
  zone: number | null;
  utc_offset: string | null;
  zone_line: string;
}

// A file of saved charts read as the desktop's import reads it.
export interface SavedFile {
  error?: string;
  lines?: string[];
  rejected?: { line: number; reason: string }[];
}

const atlasFolder = '/atlas';
const atlasFiles = ['zones.tsv', 'regions.tsv', 'places.tsv'];

export class Core {
  private atlasState: 'none' | 'loading' | 'ready' | 'failed' = 'none';
  private atlasPromise: Promise<void> | null = null;

  private constructor(private readonly module: KalodayaModule) {}

  static async load(base: URL): Promise<Core> {
    const url = new URL('kalodaya.js', base).href;
    const factory = (await import(/* @vite-ignore */ url)).default as (
      options: object,
    ) => Promise<KalodayaModule>;
    const module = await factory({
      locateFile: (path: string) => new URL(path, base).href,
    });
    return new Core(module);
  }

  // The answer kalodaya-chart --batch gives for one request line (JSON text, one line).
  chart(line: string): string {
    return this.module.ccall('kalodaya_chart', 'string', ['string'], [line]);
  }

  formLists(): FormLists {
    return JSON.parse(this.module.ccall('kalodaya_form_lists', 'string', [], []));
  }

  // kalodaya-chart --find-place's lines, each ended by a line end; none before the atlas is open.
  findPlaceLines(text: string, limit: number): string {
    if (this.atlasState !== 'ready') return '';
    return this.module.ccall('kalodaya_find_place', 'string', ['string', 'number'], [text, limit]);
  }

  findPlace(text: string, limit: number): PlaceMatch[] {
    return this.findPlaceLines(text, limit)
      .split('\n')
      .filter((line) => line !== '')
      .map((line) => JSON.parse(line) as PlaceMatch);
  }

  // The form's entries once an atlas place is entered for the birth moment of `line`.
  enterPlace(line: string, geonamesId: number): PlaceEntries {
    return JSON.parse(
      this.module.ccall('kalodaya_enter_place', 'string', ['string', 'number'], [line, geonamesId]),
    );
  }

  // The page's own texts in the language of `code` (English for a code the core does not know),
  // and the languages the page speaks.
  pageTexts(code: string): PageTextsJson {
    return JSON.parse(this.module.ccall('kalodaya_page_texts', 'string', ['string'], [code]));
  }

  timeWindows(line: string): WindowTexts {
    return JSON.parse(this.module.ccall('kalodaya_time_windows', 'string', ['string'], [line]));
  }

  // A file of saved charts (CSV with a header row, or request lines) as request lines, with the
  // lines it refused; the desktop's reader and checks.
  readSaved(text: string, csv: boolean): SavedFile {
    return JSON.parse(
      this.module.ccall('kalodaya_read_saved', 'string', ['string', 'number'], [text, csv ? 1 : 0]),
    );
  }

  // Request lines (one a line) as the desktop's export writes its records: CSV or request lines.
  writeSaved(lines: string, csv: boolean): string {
    return this.module.ccall('kalodaya_write_saved', 'string', ['string', 'number'], [lines, csv ? 1 : 0]);
  }

  get atlasReady(): boolean {
    return this.atlasState === 'ready';
  }

  // Fetches the atlas (compressed files, unpacked here) and opens it; once.
  openAtlas(base: URL): Promise<void> {
    if (!this.atlasPromise) {
      this.atlasState = 'loading';
      this.atlasPromise = (async () => {
        const files = await Promise.all(atlasFiles.map((name) => fetchAtlasFile(base, name)));
        this.module.FS.mkdir(atlasFolder);
        atlasFiles.forEach((name, i) => this.module.FS.writeFile(`${atlasFolder}/${name}`, files[i]));
        const message = this.module.ccall('kalodaya_open_atlas', 'string', ['string'], [atlasFolder]);
        if (message !== '') throw new Error(message);
        this.atlasState = 'ready';
      })().catch((error) => {
        this.atlasState = 'failed';
        throw error;
      });
    }
    return this.atlasPromise;
  }
}

// The files are kept compressed (gzip); a server that sends them with a gzip content encoding
// has the browser unpack them already, so only bytes that still start as gzip are unpacked.
async function fetchAtlasFile(base: URL, name: string): Promise<Uint8Array> {
  const response = await fetch(new URL(`atlas/${name}.gz`, base));
  if (!response.ok) throw new Error(`atlas/${name}.gz: ${response.status}`);
  const bytes = new Uint8Array(await response.arrayBuffer());
  if (bytes[0] !== 0x1f || bytes[1] !== 0x8b) return bytes;
  const unpacked = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(unpacked).arrayBuffer());
}
