#!/usr/bin/env node
// Writes the table the memory model's tests compare with: review histories
// of one card each, and after each review the stability, difficulty, interval
// and due time the reference scheduler (ts-fsrs, pinned in package.json)
// gives with the trainer's settings: long-term scheduling only, no fuzz.
//
//     cd tools/fsrs && npm ci && node make_reference.js > ../../tests/train/fsrs-reference.tsv
//
// The same package version gives the same table byte for byte.
'use strict';

const { fsrs, generatorParameters, createEmptyCard } = require('ts-fsrs');

const scheduler = fsrs(generatorParameters({
    enable_fuzz: false, enable_short_term: false, learning_steps: [], relearning_steps: [],
}));

const DAY = 86400000;
const HOUR = 3600000;

// A history: a start time and its reviews, each a rating and when it comes:
// 'due' on the due time, ['early', days] or ['late', days] around it (never
// before the day after the last review), ['at', hour] on the due date at that
// hour of the day (UTC), ['after', days, hour] that many days after the last
// review at that hour.
function when(step, last, due) {
    switch (step[0]) {
    case 'due': return due;
    case 'early': return Math.max(due - step[1] * DAY, startOfDay(last) + DAY + 9 * HOUR);
    case 'late': return due + step[1] * DAY;
    case 'at': return startOfDay(due) + step[1] * HOUR;
    case 'after': return startOfDay(last) + step[1] * DAY + step[2] * HOUR;
    }
    throw new Error('unknown step ' + step[0]);
}

function startOfDay(ms) {
    return ms - ((ms % DAY) + DAY) % DAY;
}

// A small fixed generator, so the random histories never change.
function lcg(seed) {
    let state = seed >>> 0;
    return () => {
        state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
        return state / 4294967296;
    };
}

function named(name, start, steps) {
    return { name, start: Date.parse(start), steps };
}

function handMade() {
    const due = (ratings) => ratings.map((g) => [g, ['due']]);
    return [
        named('example', '2026-01-01T10:00:00Z', due([3, 3, 1, 2, 4])),
        named('first again', '2026-01-01T10:00:00Z', due([1, 3])),
        named('first hard', '2026-01-01T10:00:00Z', due([2, 3])),
        named('first good', '2026-01-01T10:00:00Z', due([3, 3])),
        named('first easy', '2026-01-01T10:00:00Z', due([4, 3])),
        named('always again', '2025-03-01T08:30:00Z', due([1, 1, 1, 1, 1, 1, 1, 1, 1, 1])),
        named('always hard', '2025-03-01T08:30:00Z', due([2, 2, 2, 2, 2, 2, 2, 2, 2, 2])),
        named('always good', '2025-03-01T08:30:00Z', due([3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3])),
        named('always easy', '2024-01-01T12:00:00Z', due([4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4])),
        named('good, then daily', '2025-06-01T10:00:00Z',
            [[3, ['due']], ...Array(10).fill([3, ['after', 1, 10]])]),
        named('easy, then daily again', '2025-06-01T10:00:00Z',
            [[4, ['due']], ...Array(6).fill([1, ['after', 1, 18]])]),
        named('early by days', '2025-02-10T07:00:00Z',
            [[3, ['due']], [3, ['early', 2]], [3, ['early', 5]], [2, ['early', 10]], [4, ['early', 3]], [3, ['due']]]),
        named('late by days', '2025-02-10T07:00:00Z',
            [[3, ['due']], [3, ['late', 3]], [3, ['late', 20]], [1, ['late', 60]], [3, ['late', 1]], [3, ['due']]]),
        named('a year away', '2023-05-05T05:05:05Z', [[3, ['due']], [3, ['late', 365]], [3, ['late', 400]], [1, ['due']]]),
        named('late evening, early morning', '2025-09-01T23:30:00Z',
            [[3, ['due']], [3, ['at', 0.5]], [2, ['at', 23.9]], [3, ['after', 1, 0.1]], [4, ['at', 1]]]),
        named('lapses between', '2025-01-15T16:00:00Z',
            [[4, ['due']], [3, ['due']], [1, ['late', 4]], [3, ['due']], [3, ['due']], [1, ['due']], [2, ['due']],
                [3, ['due']], [4, ['due']], [3, ['late', 9]], [1, ['early', 3]]]),
    ];
}

function randomHistories(count) {
    const random = lcg(20260101);
    const pick = (list) => list[Math.floor(random() * list.length)];
    const histories = [];
    for (let i = 0; i < count; i++) {
        const length = 2 + Math.floor(random() * 13);
        const steps = [];
        for (let k = 0; k < length; k++) {
            const rating = pick([1, 2, 3, 3, 3, 3, 4, 4]);
            const timing = pick([['due'], ['due'], ['early', 1 + Math.floor(random() * 6)],
                ['late', Math.floor(random() * 30)], ['at', Math.floor(random() * 24)],
                ['after', 1 + Math.floor(random() * 4), Math.floor(random() * 24)]]);
            steps.push([rating, timing]);
        }
        const start = Date.UTC(2024, 0, 1) + Math.floor(random() * 700) * DAY + Math.floor(random() * 24) * HOUR;
        histories.push({ name: 'random ' + (i + 1), start, steps });
    }
    return histories;
}

// The reference keeps whole seconds as they are; the log does too.
function iso(ms) {
    return new Date(ms).toISOString().replace('.000Z', 'Z');
}

function rows(history) {
    const out = [];
    let card = createEmptyCard(new Date(history.start));
    let now = history.start;
    history.steps.forEach(([rating, step], i) => {
        if (i > 0)
            now = when(step, now, card.due.getTime());
        card = scheduler.next(card, new Date(now), rating).card;
        out.push([history.name, i + 1, iso(now), rating, card.stability, card.difficulty, card.scheduled_days,
            iso(card.due.getTime())].join('\t'));
    });
    return out;
}

const lines = ['history\tstep\ttime\trating\tstability\tdifficulty\tinterval\tdue'];
for (const history of [...handMade(), ...randomHistories(24)])
    lines.push(...rows(history));
process.stdout.write(lines.join('\n') + '\n');
