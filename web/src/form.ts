// The entry form: its lists filled from the core, its boxes read into one request line (the
// keys kalodaya-chart --batch reads), and a request line or an atlas place written back into
// its boxes.
import type { FormLists, PlaceEntries, SettingKey } from './core';
import type { PageTexts } from './texts';

export interface RequestEntries {
  name?: string;
  date?: string;
  time?: string;
  lat?: string;
  lon?: string;
  zone?: number;
  utc_offset?: string;
  dst?: boolean;
  city?: string;
  state?: string;
  country?: string;
  place?: string;
  place_id?: number;
  ephemeris?: string;
  ayanamsa?: string;
  node?: string;
  sunrise?: string;
}

const settingKeys: SettingKey[] = ['ephemeris', 'ayanamsa', 'node', 'sunrise'];

const byId = <T extends HTMLElement>(id: string): T => {
  const element = document.getElementById(id);
  if (!element) throw new Error(`no #${id}`);
  return element as T;
};

const two = (n: number): string => String(n).padStart(2, '0');

function fill(select: HTMLSelectElement, texts: string[]): void {
  select.replaceChildren(...texts.map((text, i) => new Option(text, String(i))));
  select.selectedIndex = 0;
}

function numbers(first: number, last: number): string[] {
  return Array.from({ length: last - first + 1 }, (_, i) => String(first + i));
}

export class EntryForm {
  readonly form = byId<HTMLFormElement>('entry-form');
  readonly name = byId<HTMLInputElement>('name');
  readonly month = byId<HTMLSelectElement>('month');
  readonly day = byId<HTMLSelectElement>('day');
  readonly year = byId<HTMLSelectElement>('year');
  readonly hour = byId<HTMLSelectElement>('hour');
  readonly minute = byId<HTMLSelectElement>('minute');
  readonly second = byId<HTMLSelectElement>('second');
  readonly city = byId<HTMLInputElement>('city');
  readonly state = byId<HTMLInputElement>('state');
  readonly country = byId<HTMLInputElement>('country');
  readonly zone = byId<HTMLSelectElement>('zone');
  readonly dst = byId<HTMLInputElement>('dst');
  readonly useOffset = byId<HTMLInputElement>('use-offset');
  readonly utcOffset = byId<HTMLInputElement>('utc-offset');
  readonly zoneLine = byId<HTMLElement>('zone-line');
  readonly latDeg = byId<HTMLInputElement>('lat-deg');
  readonly latMin = byId<HTMLInputElement>('lat-min');
  readonly lonDeg = byId<HTMLInputElement>('lon-deg');
  readonly lonMin = byId<HTMLInputElement>('lon-min');
  readonly button = byId<HTMLButtonElement>('get-chart');
  readonly message = byId<HTMLElement>('message');
  private firstYear = 0;
  private readonly settings = new Map<SettingKey, HTMLSelectElement>(
    settingKeys.map((key) => [key, byId<HTMLSelectElement>(key)]));
  private readonly defaultAyanamsa: Record<string, string>;
  private readonly monthNames: string[];

  constructor(lists: FormLists) {
    this.monthNames = lists.months;
    fill(this.month, lists.months);
    fill(this.day, numbers(1, 31));
    fill(this.year, numbers(lists.first_year, lists.last_year));
    fill(this.hour, numbers(0, 23));
    fill(this.minute, numbers(0, 59));
    fill(this.second, numbers(0, 59));
    fill(this.zone, lists.zones);
    this.firstYear = lists.first_year;
    // Each setting's option is valued by its name, as request lines write it.
    for (const [key, box] of this.settings)
      box.replaceChildren(...lists.settings[key].map((name) => new Option(name, name)));
    this.defaultAyanamsa = lists.default_ayanamsa;
    // Another ephemeris brings its own ayanamsa and the mean node, as a request line without
    // them has it.
    this.setting('ephemeris').addEventListener('change', () => {
      this.setting('ayanamsa').value = this.defaultAyanamsa[this.setting('ephemeris').value];
      this.setting('node').value = this.setting('node').options[0].value;
      this.offerSettings();
    });
    this.offerSettings();
    this.latDeg.maxLength = lists.lat_degree_digits;
    this.lonDeg.maxLength = lists.lon_degree_digits;
    this.latMin.maxLength = this.lonMin.maxLength = lists.minute_digits;
    // As the desktop's boxes: the name takes letters and blanks, the coordinates digits.
    this.name.addEventListener('input', () => keepOnly(this.name, /[^A-Za-z ]/g, true));
    for (const box of [this.latDeg, this.latMin, this.lonDeg, this.lonMin])
      box.addEventListener('input', () => keepOnly(box, /[^0-9]/g, false));
    this.useOffset.addEventListener('change', () => this.offsetChosen());
    for (const box of [this.zone, this.dst]) box.addEventListener('change', () => this.setZoneLine(''));
  }

  // The lists' texts in the page's language (months by their English names' keys, settings by
  // their names'); what is chosen stays chosen, as the lists' values do not change.
  showTexts(texts: PageTexts): void {
    this.monthNames.forEach((month, i) => {
      if (this.month.options[i]) this.month.options[i].text = texts.t(`month.${month}`);
    });
    for (const box of this.settings.values())
      for (const option of box.options) option.text = texts.t(`setting.${option.value}`);
  }

  private offsetChosen(): void {
    this.utcOffset.disabled = !this.useOffset.checked;
    this.zone.disabled = this.useOffset.checked;
    this.dst.disabled = this.useOffset.checked;
    if (this.useOffset.checked) this.utcOffset.focus();
  }

  // As the desktop's lists: the classic ephemeris has its own ayanamsa and the mean node only,
  // and its ayanamsa is no choice for the modern one, so the lists offer no pair the core
  // refuses with a reader's message.
  private offerSettings(): void {
    const classic = this.setting('ephemeris').value === this.setting('ephemeris').options[0].value;
    this.setting('ayanamsa').disabled = classic;
    this.setting('node').disabled = classic;
    const classicAyanamsa = this.defaultAyanamsa[this.setting('ephemeris').options[0].value];
    for (const option of this.setting('ayanamsa').options)
      option.disabled = !classic && option.value === classicAyanamsa;
  }

  setZoneLine(text: string): void {
    this.zoneLine.textContent = text;
  }

  private setting(key: SettingKey): HTMLSelectElement {
    return this.settings.get(key)!;
  }

  // The settings that differ from a request line's defaults (the lists' first names, and the
  // ephemeris's own ayanamsa), so a chart with the defaults has the line it always had.
  private settingEntries(e: RequestEntries): void {
    const ephemeris = this.setting('ephemeris');
    for (const [key, box] of this.settings) {
      const standard = key === 'ayanamsa' ? this.defaultAyanamsa[ephemeris.value] : box.options[0].value;
      if (box.value !== standard) e[key] = box.value;
    }
  }

  private hemisphere(name: string): string {
    const checked = this.form.querySelector<HTMLInputElement>(`input[name="${name}"]:checked`);
    return checked ? checked.value : '';
  }

  private setHemisphere(name: string, value: string): void {
    for (const option of this.form.querySelectorAll<HTMLInputElement>(`input[name="${name}"]`))
      option.checked = option.value === value;
  }

  // The boxes as a request line's entries: the coordinates as "DD:MM" and a hemisphere, a box
  // left empty left out of its number ("" when both are), so the core's checks judge them.
  entries(): RequestEntries {
    const coordinate = (deg: string, min: string, hemi: string) =>
      deg === '' && min === '' ? '' : `${deg}:${min}${hemi}`;
    const e: RequestEntries = {
      name: this.name.value,
      date: `${this.firstYear + this.year.selectedIndex}-${two(this.month.selectedIndex + 1)}-${two(this.day.selectedIndex + 1)}`,
      time: `${two(this.hour.selectedIndex)}:${two(this.minute.selectedIndex)}:${two(this.second.selectedIndex)}`,
      lat: coordinate(this.latDeg.value, this.latMin.value, this.hemisphere('lat-hemi')),
      lon: coordinate(this.lonDeg.value, this.lonMin.value, this.hemisphere('lon-hemi')),
      city: this.city.value,
      state: this.state.value,
      country: this.country.value,
    };
    if (this.useOffset.checked) {
      e.utc_offset = this.utcOffset.value.trim();
    } else {
      e.zone = this.zone.selectedIndex;
      e.dst = this.dst.checked;
    }
    this.settingEntries(e);
    return e;
  }

  requestLine(): string {
    return JSON.stringify(this.entries());
  }

  // Writes entries (from a link or a saved chart) into the boxes; those left out keep theirs.
  show(e: RequestEntries): void {
    if (e.name !== undefined) this.name.value = e.name;
    const date = e.date?.match(/^(\d{4})-(\d{2})-(\d{2})$/);
    if (date) {
      this.year.selectedIndex = Number(date[1]) - this.firstYear;
      this.month.selectedIndex = Number(date[2]) - 1;
      this.day.selectedIndex = Number(date[3]) - 1;
    }
    const time = e.time?.match(/^(\d{2}):(\d{2})(?::(\d{2}))?$/);
    if (time) {
      this.hour.selectedIndex = Number(time[1]);
      this.minute.selectedIndex = Number(time[2]);
      this.second.selectedIndex = Number(time[3] ?? 0);
    }
    const coordinate = (text: string | undefined, deg: HTMLInputElement, min: HTMLInputElement,
                        hemi: string) => {
      const parts = text?.match(/^(\d*):?(\d*)([NSEW]?)$/i);
      if (!parts) return;
      deg.value = parts[1];
      min.value = parts[2];
      if (parts[3]) this.setHemisphere(hemi, parts[3].toUpperCase());
    };
    coordinate(e.lat, this.latDeg, this.latMin, 'lat-hemi');
    coordinate(e.lon, this.lonDeg, this.lonMin, 'lon-hemi');
    if (e.city !== undefined) this.city.value = e.city;
    if (e.state !== undefined) this.state.value = e.state;
    if (e.country !== undefined) this.country.value = e.country;
    if (e.zone !== undefined && e.zone !== null) {
      this.zone.selectedIndex = e.zone;
      this.useOffset.checked = false;
    }
    if (e.utc_offset) {
      this.utcOffset.value = e.utc_offset;
      this.useOffset.checked = true;
    }
    this.offsetChosen();
    if (e.dst !== undefined) this.dst.checked = e.dst;
    // Settings a line leaves out are its defaults.
    if (e.ephemeris !== undefined || e.ayanamsa !== undefined || e.node !== undefined ||
        e.sunrise !== undefined || e.date !== undefined) {
      for (const box of this.settings.values()) box.value = box.options[0].value;
      if (e.ephemeris !== undefined) this.setting('ephemeris').value = e.ephemeris;
      this.setting('ayanamsa').value = e.ayanamsa ?? this.defaultAyanamsa[this.setting('ephemeris').value];
      if (e.node !== undefined) this.setting('node').value = e.node;
      if (e.sunrise !== undefined) this.setting('sunrise').value = e.sunrise;
      this.offerSettings();
    }
  }

  showPlace(p: PlaceEntries): void {
    this.show({
      city: p.city, state: p.state, country: p.country, lat: p.lat, lon: p.lon,
      zone: p.zone ?? undefined, utc_offset: p.utc_offset ?? undefined, dst: p.dst,
    });
    if (p.zone !== null) this.useOffset.checked = false;
    this.offsetChosen();
    this.setZoneLine(p.zone_line);
  }
}

function keepOnly(box: HTMLInputElement, refused: RegExp, upper: boolean): void {
  const kept = box.value.replace(refused, '');
  const text = upper ? kept.toUpperCase() : kept;
  if (text !== box.value) box.value = text;
}
