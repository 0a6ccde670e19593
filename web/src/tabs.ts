// The results' two tabs (chart, details), switched with the mouse or the arrow keys.
const tabIds = ['tab-chart', 'tab-details'];

export class Tabs {
  private readonly tabs = tabIds.map((id) => document.getElementById(id) as HTMLButtonElement);

  constructor() {
    this.tabs.forEach((tab, i) => {
      tab.addEventListener('click', () => this.select(i, true));
      tab.addEventListener('keydown', (event) => {
        if (event.key !== 'ArrowRight' && event.key !== 'ArrowLeft') return;
        event.preventDefault();
        this.select((i + 1) % this.tabs.length, true);
      });
    });
  }

  select(index: number, focus: boolean): void {
    this.tabs.forEach((tab, i) => {
      const selected = i === index;
      tab.setAttribute('aria-selected', String(selected));
      tab.tabIndex = selected ? 0 : -1;
      const panel = document.getElementById(tab.getAttribute('aria-controls') ?? '');
      if (panel) panel.hidden = !selected;
    });
    if (focus) this.tabs[index].focus();
  }
}
