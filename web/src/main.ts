// The page: loads the core, fills the form, answers it with the chart, and offers the same
// answers to scripts as window.kalodaya.
import { Core } from './core';
import { EntryForm, type RequestEntries } from './form';
import { PlacePopup } from './place_popup';
import { drawChart, fillDetails, fillPlanets, fillProfile, shownChart, type ChartJson } from './chart_view';
import { entriesFromLink } from './link';
import { storeChartStyle, storedChartStyle, withChartStyle, withLanguage } from './chart_style';
import { PageTexts, startLanguage, storeLanguage, textsWithPage } from './texts';
import { addIndicFonts, fontsFor } from './fonts';
import { Tabs } from './tabs';
import { importFile, importStatus, saveChart, savedCharts, savedLines } from './saved';

const base = new URL('.', document.baseURI);
const byId = (id: string) => document.getElementById(id) as HTMLElement;

interface KalodayaApi {
  ready: Promise<void>;
  atlasReady: Promise<void>;
  chart(line: string): string;
  findPlace(text: string, limit?: number): string;
  lastChartMilliseconds: number;  // the last chart, from its request to its painting
  firstChartMilliseconds: number;  // the first chart painted, from the start of the page's load
}

declare global {
  interface Window {
    kalodaya: KalodayaApi;
  }
}

// The language of the page's texts once the module has handed them over.
let shownLanguage: string | null = null;

async function start(): Promise<void> {
  addIndicFonts(base);
  const core = await Core.load(base);
  const lists = core.formLists();
  const form = new EntryForm(lists);
  const results = byId('results');
  const entry = byId('entry');
  // The page's language: its own texts from the core's language files, the chart's texts made
  // by the core in it. A change keeps the form's entries and shows a chart on screen again.
  const english = core.pageTexts('en');
  const codes = english.languages.map((l) => l.code);
  let texts = new PageTexts(core.pageTexts(startLanguage(codes, navigator.languages ?? [])));
  const languageChoice = byId('language') as HTMLSelectElement;
  languageChoice.replaceChildren(...english.languages.map(({ code, name }) => {
    const option = new Option(name, code);
    option.lang = code === 'en-sa' ? 'en' : code;
    return option;
  }));
  let saved = false;
  const showTexts = async () => {
    shownLanguage = texts.language;
    document.documentElement.lang = texts.language === 'en-sa' ? 'en' : texts.language;
    languageChoice.value = texts.language;
    texts.apply(document);
    form.showTexts(texts);
    byId('save').textContent = texts.t(saved ? 'web.saved' : 'web.save');
    // The script's fonts before any text is measured in them.
    await fontsFor(texts.t('meta.name') + texts.t('web.getChart'));
  };
  await showTexts();
  // The place last entered from the atlas, so that its zone line, while shown, can be written
  // again in another language.
  let lastEntered: { line: string; geonamesId: number } | null = null;
  languageChoice.addEventListener('change', async () => {
    texts = new PageTexts(core.pageTexts(languageChoice.value));
    storeLanguage(texts.language);
    await showTexts();
    if (lastEntered && form.zoneLine.textContent !== '') {
      const again = core.enterPlace(withLanguage(lastEntered.line, texts.language), lastEntered.geonamesId);
      if (!again.error) form.setZoneLine(again.zone_line);
    }
    if (!results.hidden && shownLine !== '') show(shownLine, false);
    listSaved().catch(() => {});
  });
  const tabs = new Tabs();
  const atlasStatus = byId('atlas-status');

  // The atlas is fetched and read after the first chart a link asks for (before it, when the
  // link names a place), so that the chart does not wait for it.
  let atlas: Promise<void> | null = null;
  const openAtlas = (): Promise<void> => {
    if (atlas) return atlas;
    atlasStatus.textContent = texts.t('web.loadingAtlas');
    atlas = core.openAtlas(base);
    atlas.then(
      () => { atlasStatus.textContent = ''; },
      (error: Error) => { atlasStatus.textContent = texts.t('web.atlasUnusable', error.message); },
    );
    atlas.then(atlasOpened, atlasFailed);
    return atlas;
  };

  window.kalodaya.chart = (line: string) => {
    if (!core.atlasReady && /"place(_id)?"\s*:/.test(line))
      throw new Error('the place atlas is still loading: await kalodaya.atlasReady first');
    return core.chart(line);
  };
  window.kalodaya.findPlace = (text: string, limit = 10) => core.findPlaceLines(text, limit);

  new PlacePopup(
    form.city, byId('place-list') as HTMLUListElement,
    (text, limit) => core.findPlace(text, limit),
    (place) => {
      const line = form.requestLine();
      const entered = core.enterPlace(withLanguage(line, texts.language), place.geonames_id);
      if (entered.error) {
        form.message.textContent = texts.t('web.placeNotEntered', entered.error);
        return;
      }
      form.showPlace(entered);
      lastEntered = { line, geonamesId: place.geonames_id };
    },
  );

  let shownLine = '';
  // The chart style: the reader's last choice; choosing another redraws the chart shown.
  // (A browser that keeps nothing still draws the choice for as long as the page is open.)
  const styleChoice = byId('chart-style') as HTMLSelectElement;
  let chartStyle = storedChartStyle();
  styleChoice.value = chartStyle;
  styleChoice.addEventListener('change', () => {
    chartStyle = storeChartStyle(styleChoice.value);
    if (shownLine === '') return;
    drawChart(byId('chart'), chartOf(shownLine), texts);
  });
  const savedList = byId('saved-list');
  const savedStatus = byId('saved-status');
  const listSaved = async () => {
    const charts = await savedCharts();
    savedList.replaceChildren(...charts.map((saved) => {
      const item = document.createElement('li');
      const open = document.createElement('button');
      open.type = 'button';
      const entries = JSON.parse(saved.line) as RequestEntries;
      open.textContent = [saved.name || texts.t('web.noName'), entries.date ?? '', entries.time ?? '']
        .filter((part) => part !== '').join(' ');
      open.addEventListener('click', () => {
        form.show(entries);
        show(saved.line);
      });
      item.append(open);
      return item;
    }));
  };

  // The chart of a request line in the page's style and language, its texts as shown.
  const chartOf = (line: string): ChartJson => shownChart(JSON.parse(
    core.chart(withLanguage(withChartStyle(line, chartStyle), texts.language))) as ChartJson);

  const show = (line: string, focus = true) => {
    const started = performance.now();
    shownLine = line;
    const chart = chartOf(line);
    form.message.textContent = '';
    if (!chart.valid) {
      // A line the reader cannot read has only the reader's English words: a lead-in in the
      // page's language comes before them.
      form.message.textContent =
        chart.message ?? (chart.error !== undefined ? texts.t('web.entriesUnusable', chart.error) : '');
      return;
    }
    if (chart.polar) {
      form.message.textContent = chart.polar_message ?? '';
      return;
    }
    byId('gl-sign').textContent = chart.ghati_lagna?.sign_name ?? '';
    // The window is searched chart by chart; it follows once the chart is painted.
    const windowLine = byId('gl-window');
    windowLine.textContent = '';
    setTimeout(() => {
      if (shownLine === line)
        windowLine.textContent = core.timeWindows(withLanguage(line, texts.language)).ghati_lagna ?? '';
    }, 0);
    drawChart(byId('chart'), chart, texts);
    fillPlanets(byId('planets') as HTMLTableElement, chart, texts);
    fillDetails(byId('details'), chart, texts);
    fillProfile(byId('profile'), byId('profile-texts'), chart, lists.profile_captions);
    entry.hidden = true;
    results.hidden = false;
    if (focus) {
      tabs.select(0, false);
      byId('tab-chart').focus();
    }
    requestAnimationFrame(() => {
      window.kalodaya.lastChartMilliseconds = performance.now() - started;
      if (Number.isNaN(window.kalodaya.firstChartMilliseconds))
        window.kalodaya.firstChartMilliseconds = performance.now();
    });
  };

  form.form.addEventListener('submit', (event) => {
    event.preventDefault();
    show(form.requestLine());
  });
  byId('save').addEventListener('click', async () => {
    await saveChart(shownLine);
    await listSaved();
    saved = true;
    byId('save').textContent = texts.t('web.saved');
  });
  const exportFile = async (csv: boolean) => {
    const link = document.createElement('a');
    const text = core.writeSaved(await savedLines(), csv);
    link.href = URL.createObjectURL(new Blob([text], { type: csv ? 'text/csv' : 'application/jsonl' }));
    link.download = csv ? 'kalodaya-charts.csv' : 'kalodaya-charts.jsonl';
    link.click();
    URL.revokeObjectURL(link.href);
  };
  byId('export').addEventListener('click', () => exportFile(false));
  byId('export-csv').addEventListener('click', () => exportFile(true));
  const importBox = byId('import') as HTMLInputElement;
  importBox.addEventListener('change', async () => {
    const file = importBox.files?.[0];
    if (!file) return;
    try {
      savedStatus.textContent =
        importStatus(texts, file.name, await importFile(file, (text, csv) => core.readSaved(text, csv)));
    } catch {
      savedStatus.textContent = texts.t('web.savedUnavailable');
    }
    importBox.value = '';
    await listSaved();
  });
  listSaved().catch(() => { savedStatus.textContent = texts.t('web.savedUnavailable'); });
  byId('back').addEventListener('click', () => {
    saved = false;
    byId('save').textContent = texts.t('web.save');
    results.hidden = true;
    entry.hidden = false;
    form.name.focus();
  });
  form.button.disabled = false;

  // A link that holds the entries opens its chart (after the atlas, when it names a place).
  const linked: RequestEntries | null = entriesFromLink(new URLSearchParams(location.search));
  if (linked) {
    form.show(linked);
    if (linked.place !== undefined || linked.place_id !== undefined) await openAtlas().catch(() => {});
    show(JSON.stringify(linked));
  }
  // After the chart is painted.
  requestAnimationFrame(() => setTimeout(openAtlas, 0));
}

// Promises that scripts may await from the first moment: settled once the module, and then
// the atlas, are ready.
let ready: () => void = () => {};
let failed: (error: unknown) => void = () => {};
let atlasOpened: () => void = () => {};
let atlasFailed: (error: unknown) => void = () => {};
window.kalodaya = {
  ready: new Promise<void>((resolve, reject) => { ready = resolve; failed = reject; }),
  atlasReady: new Promise<void>((resolve, reject) => { atlasOpened = resolve; atlasFailed = reject; }),
  chart: () => { throw new Error('the page is still loading: await kalodaya.ready first'); },
  findPlace: () => '',
  lastChartMilliseconds: NaN,
  firstChartMilliseconds: NaN,
};
start().then(ready, (error) => {
  atlasFailed(error);
  // Nothing but the banner and why, in the page's language when its texts came in before the
  // fault, else in the language it would have started in (those texts come with the page);
  // the fault's own words stay as the browser gave them.
  const texts = textsWithPage(shownLanguage);
  document.documentElement.lang = texts.language === 'en-sa' ? 'en' : texts.language;
  texts.apply(document, true);
  document.body.classList.add('cannot-start');
  byId('message').textContent =
    texts.t('web.cannotStart', error instanceof Error ? error.message : String(error));
  failed(error);
});

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register(new URL('sw.js', base)).catch(() => {});
}
