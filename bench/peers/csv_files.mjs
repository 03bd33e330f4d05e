// What both peers share: their packages, found outside the repository, and the data files of a
// folder with their column names.
import { createRequire } from 'node:module';
import { readdirSync, openSync, readSync, closeSync } from 'node:fs';
import { join, resolve } from 'node:path';

// A package installed in PEERS_DIR (default /tmp/peers); see README.md.
export function peerPackage(name) {
  const peers = process.env.PEERS_DIR || '/tmp/peers';
  return createRequire(join(peers, 'node_modules', '.resolve'))(name);
}

// The *.csv of `dir`, in name order; the process ends when there is none.
export function csvFiles(dir) {
  const files = readdirSync(dir).filter((f) => f.endsWith('.csv')).sort().map((f) => resolve(dir, f));
  if (files.length === 0) {
    console.error(`no *.csv in ${dir}`);
    process.exit(1);
  }
  return files;
}

// The column names of a file's first line; the first one is the date-time.
function header(path) {
  const fd = openSync(path, 'r');
  const buf = Buffer.alloc(65536);
  const n = readSync(fd, buf, 0, buf.length, 0);
  closeSync(fd);
  let line = buf.subarray(0, n).toString('utf8').split('\n')[0].replace(/\r$/, '');
  if (line.charCodeAt(0) === 0xfeff) line = line.slice(1);
  return line.split(';');
}

// Each file's column names, the date-time column's name and every value column in order of
// first appearance. They are read here so that the CSV readers get explicit types instead of
// guessing them from a sample (a column whose sample holds only "NA" would come out as text).
export function columns(files) {
  const heads = files.map(header);
  const values = [];
  for (const h of heads) {
    for (const name of h.slice(1)) if (!values.includes(name)) values.push(name);
  }
  return { heads, timeName: heads[0][0], values };
}
