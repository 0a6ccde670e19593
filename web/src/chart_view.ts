// The results: the square fixed-sign chart in SVG, the planet table, the birth details and the
// profile, all from the texts of the chart's JSON (the core makes every text; this only lays
// them out).

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
}

// Each sign's square of the 4 x 4 grid (row, column), Aries first: the signs run clockwise
// from the second square of the top row, Pisces in the top-left corner.
const signSquares: ReadonlyArray<readonly [number, number]> = [
  [0, 1], [0, 2], [0, 3], [1, 3], [2, 3], [3, 3], [3, 2], [3, 1], [3, 0], [2, 0], [1, 0], [0, 0],
];
const cellWidth = 100;
const cellHeight = 85;
const lineHeight = 13;
const svgNs = 'http://www.w3.org/2000/svg';

// The planet table's rows: its captions, and which of the chart's names and positions each
// shows (the nodes and the ascendant after the seven planets).
const planetCaptions = [
  'Surya/Sun', 'Chandra/Moon', 'Budha/Mercury', 'Shukra/Venus', 'Mangala/Mars', 'Guru/Jupiter',
  'Shani/Saturn', 'Rahu/North Node', 'Ketu/South node', 'Asc/Lagna',
];

const detailCaptions: ReadonlyArray<readonly [string, string]> = [
  ['dob', 'Date of Birth'], ['tob', 'Time of Birth'], ['longitude', 'Longitude'],
  ['latitude', 'Latitude'], ['city', 'City'], ['state', 'State'], ['country', 'Country'],
];

function svg<K extends keyof SVGElementTagNameMap>(
  tag: K, attributes: Record<string, string | number>, text?: string,
): SVGElementTagNameMap[K] {
  const element = document.createElementNS(svgNs, tag);
  for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, String(value));
  if (text !== undefined) element.textContent = text;
  return element;
}

// A cell's text as lines: its line ends are the desktop's CR LF; the lines keep their places
// (an empty first line leaves room under the square's number).
const lines = (text: string): string[] => text.split('\r\n');

function textLines(x: number, y: number, text: string, className: string): SVGTextElement {
  const element = svg('text', { x, y, class: className });
  lines(text).forEach((line, i) => {
    element.appendChild(svg('tspan', { x, dy: i === 0 ? 0 : lineHeight }, line));
  });
  return element;
}

export function drawChart(target: HTMLElement, chart: ChartJson): void {
  const width = cellWidth * 4;
  const height = cellHeight * 4;
  const root = svg('svg', {
    viewBox: `-4 -4 ${width + 8} ${height + 8}`, role: 'img', class: 'chart-svg',
    'aria-label': `Birth chart, Ghati Lagna in ${chart.ghati_lagna?.sign_name ?? ''}`,
  });
  root.appendChild(svg('rect', { x: 0, y: 0, width, height, class: 'frame' }));
  signSquares.forEach(([row, column], sign) => {
    const x = column * cellWidth;
    const y = row * cellHeight;
    const group = svg('g', { class: 'sign', 'data-sign': sign });
    group.appendChild(svg('rect', { x, y, width: cellWidth, height: cellHeight, class: 'cell' }));
    group.appendChild(svg('text', { x: x + cellWidth - 4, y: y + 12, class: 'house' }, String(sign + 1)));
    group.appendChild(textLines(x + 6, y + 10, chart.cells[sign] ?? '', 'bodies'));
    group.appendChild(textLines(x + 70, y + 10, chart.markers[sign] ?? '', 'marker'));
    // For screen readers: the sign's number and what it holds.
    const held = [...lines(chart.cells[sign] ?? ''), ...lines(chart.markers[sign] ?? '')]
      .filter((line) => line !== '');
    group.appendChild(svg('title', {}, `${sign + 1}: ${held.join(', ')}`));
    root.appendChild(group);
  });
  root.appendChild(svg('rect', {
    x: cellWidth, y: cellHeight, width: cellWidth * 2, height: cellHeight * 2, class: 'centre',
  }));
  target.replaceChildren(root);
}

export function fillPlanets(table: HTMLTableElement, chart: ChartJson): void {
  const body = table.tBodies[0];
  body.replaceChildren(...planetCaptions.map((caption, row) => {
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = caption;
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

export function fillDetails(list: HTMLElement, chart: ChartJson): void {
  definitions(list, [['name', 'Name'], ...detailCaptions], chart.details);
}

// The profile: its values under their captions, then its five texts (the members ending in
// "_text") as headed paragraphs. `captions` are the core's, in the order of the members.
export function fillProfile(list: HTMLElement, texts: HTMLElement, chart: ChartJson,
                            captions: string[]): void {
  const profile = chart.profile ?? {};
  const keys = Object.keys(profile);
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
