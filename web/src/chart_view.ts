// The results: the chart in SVG as its style lays it out, the planet table, the birth details
// and the profile, all from the texts of the chart's JSON (the core makes every text and every
// cell's place; this only draws them). A chart asked for in a language has its texts in that
// language too ("texts_localized"); the page shows those, under its own captions in the same
// language (the language files' texts, handed over by the core).
import { indicFamily } from './fonts';
import type { PageTexts } from './texts';

// The chart as one style draws it (the JSON's "chart_layout"): cells in a unit square, x to
// the right and y down, rectangles as [x, y, width, height].
export type UnitRect = [number, number, number, number];
export interface LayoutItem {
  kind: 'body' | 'marker';
  text: string;
}
export interface LayoutCell {
  sign: number;
  house: number;
  number: string;
  outline: Array<[number, number]>;
  text_box: UnitRect;
  number_box: UnitRect;
  items: LayoutItem[];
}
export interface ChartLayout {
  style: string;
  cells: LayoutCell[];
  centre: UnitRect | null;
}

export interface ChartJson {
  valid: boolean;
  message: string | null;
  error?: string;
  names: string[];
  positions: string[];
  cells: string[];
  markers: string[];
  ghati_lagna: { sign_name: string; text: string } | null;
  polar: boolean;
  polar_message: string | null;
  details: Record<string, string>;
  profile: Record<string, string> | null;
  chart_layout?: ChartLayout;
  texts_localized?: LocalizedTexts;
}

// The chart's texts in the asked language: the members named as the English ones hold the
// same texts in it; the layout's items come as their texts alone, cell by cell.
export interface LocalizedTexts {
  language: string;
  message?: string;
  names?: string[];
  positions?: string[];
  ghati_lagna?: { sign_name: string; text: string } | null;
  polar_message?: string | null;
  details?: Record<string, string>;
  profile?: Record<string, string> | null;
  profile_captions?: Record<string, string>;
  chart_layout_items?: string[][];
}

// The chart as the page shows it: its texts in the language it was asked in, where it has them.
export function shownChart(chart: ChartJson): ChartJson {
  const l = chart.texts_localized;
  if (!l) return chart;
  const shown: ChartJson = { ...chart };
  if (l.message !== undefined) shown.message = l.message;
  if (l.names) shown.names = l.names;
  if (l.positions) shown.positions = l.positions;
  if (l.ghati_lagna !== undefined) shown.ghati_lagna = l.ghati_lagna;
  if (l.polar_message !== undefined) shown.polar_message = l.polar_message;
  if (l.details) shown.details = l.details;
  if (l.profile !== undefined) shown.profile = l.profile;
  const items = l.chart_layout_items;
  if (chart.chart_layout && items) {
    shown.chart_layout = {
      ...chart.chart_layout,
      cells: chart.chart_layout.cells.map((cell, c) => ({
        ...cell,
        items: cell.items.map((item, i) => ({ ...item, text: items[c]?.[i] ?? item.text })),
      })),
    };
  }
  return shown;
}

// The drawing's units: the chart is `side` high; the South Indian square is drawn wider, as
// the desktop's window draws its cells.
const side = 1000;
const widths: Record<string, number> = { south: 1176, north: 1000, east: 1000 };
// A cell's texts at most a twenty-fifth of the chart high, at least a ninetieth, as on the
// desktop; each smaller size is this much of the one before.
const largest = side / 25;
const smallest = side / 90;
const step = 0.92;
const lineSpacing = 1.2;
const fontFamily = `"${indicFamily}", Verdana, "DejaVu Sans", sans-serif`;
const svgNs = 'http://www.w3.org/2000/svg';

// The planet table's rows: their captions' keys, in the order of the chart's names and
// positions (the nodes and the ascendant after the seven planets).
const planetBodies = [
  'Sun', 'Moon', 'Mercury', 'Venus', 'Mars', 'Jupiter', 'Saturn', 'Rahu', 'Ketu', 'Asc',
];

const detailCaptions: ReadonlyArray<readonly [string, string]> = [
  ['name', 'web.name'], ['dob', 'web.dateOfBirth'], ['tob', 'web.timeOfBirth'],
  ['longitude', 'web.longitude'], ['latitude', 'web.latitude'], ['city', 'web.city'],
  ['state', 'web.state'], ['country', 'web.country'],
];

function svg<K extends keyof SVGElementTagNameMap>(
  tag: K, attributes: Record<string, string | number>, text?: string,
): SVGElementTagNameMap[K] {
  const element = document.createElementNS(svgNs, tag);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  if (text !== undefined) element.textContent = text;
  return element;
}

// Widths of texts in the chart's font, measured once per text and size.
type Measure = (text: string, pixels: number, bold: boolean) => number;

function canvasMeasure(): Measure {
  const context = document.createElement('canvas').getContext('2d');
  // Without a canvas (never in a browser that runs the page) an average glyph width.
  if (!context) return (text, pixels) => text.length * pixels * 0.6;
  return (text, pixels, bold) => {
    context.font = `${bold ? 'bold ' : ''}${pixels}px ${fontFamily}`;
    return context.measureText(text).width;
  };
}

// How one cell's items are set: their size and lines (whole items, indexes into the cell's
// items), and whether they fit the box.
export interface CellFit {
  pixels: number;
  lines: number[][];
  fits: boolean;
}

function setAtSize(items: LayoutItem[], width: number, height: number, pixels: number,
                   onePerLine: boolean, measure: Measure): CellFit {
  const space = measure(' ', pixels, false);
  const fit: CellFit = { pixels, lines: [], fits: true };
  let lineWidth = 0;
  items.forEach((item, i) => {
    const itemWidth = measure(item.text, pixels, item.kind === 'marker');
    if (itemWidth > width) fit.fits = false;
    if (fit.lines.length === 0 || onePerLine || lineWidth + space + itemWidth > width) {
      fit.lines.push([i]);
      lineWidth = itemWidth;
    } else {
      fit.lines[fit.lines.length - 1].push(i);
      lineWidth += space + itemWidth;
    }
  });
  if (fit.lines.length * pixels * lineSpacing > height) fit.fits = false;
  return fit;
}

// The largest size at which the items fit the box, one per line where that fits, else several
// per line; at the smallest size what does not fit is cut at the box by the caller.
export function fitCell(items: LayoutItem[], width: number, height: number,
                        measure: Measure): CellFit {
  for (let pixels = largest; pixels >= smallest; pixels *= step) {
    for (const onePerLine of [true, false]) {
      const fit = setAtSize(items, width, height, pixels, onePerLine, measure);
      if (fit.fits) return fit;
    }
  }
  return setAtSize(items, width, height, smallest, false, measure);
}

function cellTexts(cell: LayoutCell, box: UnitRect, clipId: string, measure: Measure): SVGGElement {
  const [x, y, width, height] = box;
  const group = svg('g', { class: 'items', 'clip-path': `url(#${clipId})` });
  if (cell.items.length === 0) return group;
  const fit = fitCell(cell.items, width, height, measure);
  const lineHeight = fit.pixels * lineSpacing;
  const space = measure(' ', fit.pixels, false);
  let top = y + Math.max(0, (height - lineHeight * fit.lines.length) / 2);
  for (const line of fit.lines) {
    const widthOf = (i: number) =>
      measure(cell.items[i].text, fit.pixels, cell.items[i].kind === 'marker');
    const lineWidth = line.reduce((sum, i) => sum + widthOf(i), 0) + space * (line.length - 1);
    let left = x + Math.max(0, (width - lineWidth) / 2);
    // Each item its own text, so that no browser breaks or spreads a line otherwise.
    for (const i of line) {
      const item = cell.items[i];
      group.appendChild(svg('text', {
        x: left, y: top + lineHeight / 2, 'dominant-baseline': 'central',
        'font-size': fit.pixels, class: item.kind,
      }, item.text));
      left += widthOf(i) + space;
    }
    top += lineHeight;
  }
  return group;
}

// The chart's layout drawn into `target`, replacing what it held.
export function drawChart(target: HTMLElement, chart: ChartJson, texts: PageTexts): void {
  const layout = chart.chart_layout;
  if (!layout) {
    target.replaceChildren();
    return;
  }
  const width = widths[layout.style] ?? side;
  const point = ([x, y]: [number, number]) => `${x * width},${y * side}`;
  const rect = ([x, y, w, h]: UnitRect): UnitRect => [x * width, y * side, w * width, h * side];
  const measure = canvasMeasure();
  const root = svg('svg', {
    viewBox: `-6 -6 ${width + 12} ${side + 12}`, role: 'img',
    class: `chart-svg ${layout.style}`, 'data-style': layout.style,
    'aria-label': texts.t('web.chartLabel', chart.ghati_lagna?.sign_name ?? ''),
  });
  const clips = svg('defs', {});
  root.appendChild(clips);
  root.appendChild(svg('rect', { x: 0, y: 0, width, height: side, class: 'frame' }));
  for (const cell of layout.cells) {
    const group = svg('g', { class: 'sign', 'data-sign': cell.sign, 'data-house': cell.house });
    group.appendChild(svg('polygon', { points: cell.outline.map(point).join(' '), class: 'cell' }));
    const [nx, ny, nw, nh] = rect(cell.number_box);
    group.appendChild(svg('text', {
      x: nx + nw / 2, y: ny + nh / 2, 'text-anchor': 'middle', 'dominant-baseline': 'central',
      'font-size': nh * 0.8, class: 'house',
    }, cell.number));
    // What does not fit its box at the smallest size is cut there, never drawn across a
    // neighbour.
    const box = rect(cell.text_box);
    const clipId = `cell-${cell.sign}`;
    const clip = svg('clipPath', { id: clipId });
    clip.appendChild(svg('rect', { x: box[0], y: box[1], width: box[2], height: box[3] }));
    clips.appendChild(clip);
    group.appendChild(cellTexts(cell, box, clipId, measure));
    // For screen readers: the sign's number and what it holds.
    const held = cell.items.map((item) => item.text);
    group.appendChild(svg('title', {}, `${cell.number}: ${held.join(', ')}`));
    root.appendChild(group);
  }
  if (layout.centre) {
    const [x, y, w, h] = rect(layout.centre);
    root.appendChild(svg('rect', { x, y, width: w, height: h, class: 'centre' }));
  }
  root.appendChild(svg('rect', { x: 0, y: 0, width, height: side, class: 'border' }));
  target.replaceChildren(root);
}

export function fillPlanets(table: HTMLTableElement, chart: ChartJson, texts: PageTexts): void {
  const body = table.tBodies[0];
  body.replaceChildren(...planetBodies.map((planet, row) => {
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = texts.t(`page.planet.${planet}`);
    const td = document.createElement('td');
    td.textContent = chart.positions[row] ?? '';
    td.dataset.name = chart.names[row] ?? '';
    tr.append(th, td);
    return tr;
  }));
}

function definitions(list: HTMLElement, rows: ReadonlyArray<readonly [string, string]>,
                     values: Record<string, string>): void {
  list.replaceChildren();
  for (const [key, caption] of rows) {
    const dt = document.createElement('dt');
    dt.textContent = caption;
    const dd = document.createElement('dd');
    dd.textContent = values[key] ?? '';
    dd.dataset.key = key;
    list.append(dt, dd);
  }
}

export function fillDetails(list: HTMLElement, chart: ChartJson, texts: PageTexts): void {
  definitions(list, detailCaptions.map(([key, caption]) => [key, texts.t(caption)] as const),
              chart.details);
}

// The profile: its values under their captions, then its five texts (the members ending in
// "_text") as headed paragraphs. `captions` are the core's English ones, in the order of the
// members; a chart asked in a language has its own, by member.
export function fillProfile(list: HTMLElement, texts: HTMLElement, chart: ChartJson,
                            englishCaptions: string[]): void {
  const profile = chart.profile ?? {};
  const keys = Object.keys(profile);
  const localized = chart.texts_localized?.profile_captions;
  const captions = keys.map((key, i) => localized ? localized[key] ?? '' : englishCaptions[i] ?? '');
  const rows = keys
    .map((key, i) => [key, captions[i] ?? ''] as const)
    .filter(([key, caption]) => caption !== '' && !key.endsWith('_text'));
  definitions(list, rows, profile);
  texts.replaceChildren();
  keys.forEach((key, i) => {
    if (!key.endsWith('_text')) return;
    const section = document.createElement('section');
    const heading = document.createElement('h3');
    heading.textContent = captions[i] ?? key;
    const paragraph = document.createElement('p');
    paragraph.textContent = profile[key];
    paragraph.dataset.key = key;
    section.append(heading, paragraph);
    texts.append(section);
  });
}
