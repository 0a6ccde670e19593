// The chart style the reader chose (south, north or east), kept in the browser for the next
// visit; South Indian until one is chosen, or where the browser keeps nothing.
const key = 'kalodaya.chartStyle';
export const chartStyles = ['south', 'north', 'east'] as const;
export type ChartStyle = (typeof chartStyles)[number];

const isStyle = (value: unknown): value is ChartStyle =>
  (chartStyles as readonly unknown[]).includes(value);

export function storedChartStyle(): ChartStyle {
  try {
    const stored = localStorage.getItem(key);
    return isStyle(stored) ? stored : 'south';
  } catch {
    return 'south';
  }
}

export function storeChartStyle(style: string): ChartStyle {
  const chosen = isStyle(style) ? style : 'south';
  try {
    localStorage.setItem(key, chosen);
  } catch {
    // Private windows may refuse; the choice then lasts for this page only.
  }
  return chosen;
}

// A request line with the style asked for, so that the core adds the chart's layout.
export function withChartStyle(line: string, style: ChartStyle): string {
  const entries = JSON.parse(line) as Record<string, unknown>;
  return JSON.stringify({ ...entries, chart_style: style });
}

// A request line in the page's language: the core adds the chart's texts in it
// ("texts_localized"); English needs nothing added.
export function withLanguage(line: string, language: string): string {
  if (language === 'en') return line;
  const entries = JSON.parse(line) as Record<string, unknown>;
  return JSON.stringify({ ...entries, language });
}
