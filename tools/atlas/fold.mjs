// The search form of a name: accents dropped, letters without a decomposition spelled in ASCII,
// hyphens as blanks, lower case. The atlas library folds names and queries with a table made
// from this same function (fold_table.mjs), so both sides agree.
const kSpelled = {
  'ß': 'ss', 'ẞ': 'ss', 'æ': 'ae', 'Æ': 'ae', 'ø': 'o', 'Ø': 'o', 'œ': 'oe', 'Œ': 'oe',
  'đ': 'd', 'Đ': 'd', 'ð': 'd', 'Ð': 'd', 'ł': 'l', 'Ł': 'l', 'ı': 'i', 'þ': 'th', 'Þ': 'th',
  'ħ': 'h', 'Ħ': 'h', 'ŧ': 't', 'Ŧ': 't', 'ŋ': 'n', 'Ŋ': 'n', 'ĸ': 'k', 'ſ': 's', 'ƒ': 'f',
  'ɓ': 'b', 'Ɓ': 'b', 'ɗ': 'd', 'Ɗ': 'd', 'ƙ': 'k', 'Ƙ': 'k', 'ƴ': 'y', 'Ƴ': 'y', 'ǝ': 'e',
  'Ǝ': 'e', 'ə': 'e', 'Ə': 'e', 'ɛ': 'e', 'Ɛ': 'e', 'ɔ': 'o', 'Ɔ': 'o', 'ĳ': 'ij', 'Ĳ': 'ij',
  'ŉ': "'n", 'ʻ': "'", 'ʼ': "'", '‘': "'", '’': "'", '`': "'", '´': "'", '-': ' ', '‐': ' ',
  '–': ' ',
};

export function fold(text) {
  let out = '';
  for (const ch of text.normalize('NFD')) {
    if (/\p{M}/u.test(ch)) continue;
    out += kSpelled[ch] ?? ch;
  }
  return out.toLowerCase();
}

export function isAscii(text) {
  return /^[\x20-\x7e]*$/.test(text);
}
