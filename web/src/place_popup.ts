// The City box's place popup: the atlas's best matches for what is typed, picked with the
// mouse or the keyboard (arrows, Enter, Escape), as an ARIA combobox.
import type { PlaceMatch } from './core';

const shownMatches = 8;

export class PlacePopup {
  private matches: PlaceMatch[] = [];
  private active = -1;

  constructor(
    private readonly box: HTMLInputElement,
    private readonly list: HTMLUListElement,
    private readonly search: (text: string, limit: number) => PlaceMatch[],
    private readonly picked: (place: PlaceMatch) => void,
  ) {
    box.addEventListener('input', () => this.update());
    box.addEventListener('keydown', (event) => this.key(event));
    box.addEventListener('blur', () => setTimeout(() => this.close(), 150));
  }

  update(): void {
    const text = this.box.value.trim();
    this.matches = text.length < 2 ? [] : this.search(text, shownMatches);
    this.active = -1;
    this.list.replaceChildren(...this.matches.map((place, i) => {
      const item = document.createElement('li');
      item.id = `place-${i}`;
      item.setAttribute('role', 'option');
      item.setAttribute('aria-selected', 'false');
      const where = [place.state, place.country].filter((part) => part !== '').join(', ');
      item.textContent = where ? `${place.name}, ${where}` : place.name;
      item.addEventListener('mousedown', (event) => {
        event.preventDefault();
        this.pick(i);
      });
      return item;
    }));
    this.setOpen(this.matches.length > 0);
  }

  private key(event: KeyboardEvent): void {
    if (this.list.hidden) return;
    if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      const step = event.key === 'ArrowDown' ? 1 : -1;
      this.setActive((this.active + step + this.matches.length) % this.matches.length);
    } else if (event.key === 'Enter' && this.active >= 0) {
      event.preventDefault();
      this.pick(this.active);
    } else if (event.key === 'Escape') {
      this.close();
    }
  }

  private setActive(index: number): void {
    this.active = index;
    Array.from(this.list.children).forEach((item, i) =>
      item.setAttribute('aria-selected', String(i === index)));
    this.box.setAttribute('aria-activedescendant', index >= 0 ? `place-${index}` : '');
    this.list.children[index]?.scrollIntoView({ block: 'nearest' });
  }

  private pick(index: number): void {
    const place = this.matches[index];
    this.close();
    if (place) this.picked(place);
  }

  private close(): void {
    this.setOpen(false);
    this.active = -1;
    this.box.removeAttribute('aria-activedescendant');
  }

  private setOpen(open: boolean): void {
    this.list.hidden = !open;
    this.box.setAttribute('aria-expanded', String(open));
  }
}
