// Reads the subtitle frequency list (one "form count" a line) on stdin and writes two tables made with
// Az.js 0.2.3 and the OpenCorpora dictionaries it bundles (npm "az@0.2.3", Node >= 18):
//   <out>/ru_forms_az.tsv   form, lemma, part of speech, score: every dictionary reading of each form
//                           (the score is Az's share of that reading in OpenCorpora's annotated corpus)
//   <out>/ru_lemmas_az.tsv  lemma, part of speech, gender, animacy, number (Pltm/Sgtm), indeclinable,
//                           genitive singular, nominative plural, aspect, transitivity of each lemma read
// Run: npm install --prefix /tmp/az az@0.2.3 &&
//   NODE_PATH=/tmp/az/node_modules node tools/russian/morph.js data/sources/russian < data/sources/russian/ru_50k.txt
// The Python build reads only these two files, so it needs no Node.
const Az = require('az');
const fs = require('fs');
const path = require('path');

const out = process.argv[2] || '.';
const forms = fs.readFileSync(0, 'utf8').split('\n').filter(Boolean).map((line) => line.split(' ')[0]);

function lemmaRow(n) {
  const tag = n.tag;
  const pos = tag.POS || '';
  const number = tag.Pltm ? 'Pltm' : tag.Sgtm ? 'Sgtm' : '';
  let genitive = '';
  let plural = '';
  if (pos === 'NOUN') {
    const g = n.inflect(['sing', 'gent']);
    const p = n.inflect(['plur', 'nomn']);
    if (g && !tag.Pltm) genitive = g.word;
    if (p) plural = p.word;
  }
  return [n.word, pos, tag.GNdr || '', tag.ANim || '', number, tag.Fixd ? 'Fixd' : '', genitive, plural,
    tag.ASpc || '', tag.TRns || '', tag.Apro ? 'Apro' : ''];
}

Az.Morph.init(path.join(require.resolve('az'), '..', '..', 'dicts'), (err) => {
  if (err) { console.error(err); process.exit(1); }
  const formLines = [];
  const lemmas = new Map();
  for (const form of forms) {
    const seen = new Map();
    for (const p of Az.Morph(form.toLowerCase(), { typos: 0, stutter: 0 })) {
      if (p.parser !== 'Dictionary') continue;
      const n = p.normalize();
      const pos = n.tag.POS || '';
      const key = n.word + '\t' + pos;
      seen.set(key, (seen.get(key) || 0) + p.score);
      if (!lemmas.has(key)) lemmas.set(key, lemmaRow(n));
    }
    for (const [key, score] of seen) formLines.push(form + '\t' + key + '\t' + score.toFixed(4));
  }
  fs.writeFileSync(path.join(out, 'ru_forms_az.tsv'), formLines.join('\n') + '\n');
  const rows = [...lemmas.values()].map((r) => r.join('\t')).sort();
  fs.writeFileSync(path.join(out, 'ru_lemmas_az.tsv'), rows.join('\n') + '\n');
});
