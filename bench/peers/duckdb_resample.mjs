// DuckDB peer of bench/pandas_resample.py, for the comparison table of bench/README.md.
// Reads every *.csv of DIR (';' separated, column names on line 1, date-time in column 1 as
// yyyy-mm-dd hh:mm:ss, "NA" and "-99999" for missing values), averages each value column per
// 15-minute interval closed on the right and labelled with its end, and writes OUT as pandas
// does: header "index name;columns...", one row per interval from the first label to the last,
// dates dd/mm/yyyy hh:mm:ss, values "%.2f", "#N/A" where an interval has no value.
// usage: node duckdb_resample.mjs DIR OUT
// The packages live outside the repository, in PEERS_DIR (default /tmp/peers); see README.md.
import { createRequire } from 'node:module';
import { readdirSync, openSync, readSync, closeSync } from 'node:fs';
import { join, resolve } from 'node:path';

const [dir, out] = process.argv.slice(2);
if (!dir || !out) {
  console.error('usage: node duckdb_resample.mjs DIR OUT');
  process.exit(2);
}
const peers = process.env.PEERS_DIR || '/tmp/peers';
const require = createRequire(join(peers, 'node_modules', '.resolve'));
const { DuckDBInstance } = require('@duckdb/node-api');

const files = readdirSync(dir).filter((f) => f.endsWith('.csv')).sort().map((f) => resolve(dir, f));
if (files.length === 0) {
  console.error(`no *.csv in ${dir}`);
  process.exit(1);
}

// Column names come from the first line of each file; the first one is the date-time.
// They are read here so that the CSV reader gets explicit types instead of guessing them
// from a sample (a column whose sample holds only "NA" would otherwise come out as text).
function header(path) {
  const fd = openSync(path, 'r');
  const buf = Buffer.alloc(65536);
  const n = readSync(fd, buf, 0, buf.length, 0);
  closeSync(fd);
  let line = buf.subarray(0, n).toString('utf8').split('\n')[0].replace(/\r$/, '');
  if (line.charCodeAt(0) === 0xfeff) line = line.slice(1);
  return line.split(';');
}
const heads = files.map(header);
const timeName = heads[0][0];
const values = [];
for (const h of heads) {
  for (const name of h.slice(1)) if (!values.includes(name)) values.push(name);
}

const id = (s) => '"' + s.replaceAll('"', '""') + '"';
const str = (s) => "'" + s.replaceAll("'", "''") + "'";
const types = [`${str(timeName)}: 'TIMESTAMP'`, ...values.map((v) => `${str(v)}: 'DOUBLE'`)].join(', ');

const instance = await DuckDBInstance.create(':memory:');
const conn = await instance.connect();
await conn.run('SET threads=2');

// An instant exactly on a quarter hour closes the interval that ends there: shifting by one
// microsecond (the resolution of TIMESTAMP) before the left-closed time_bucket, then adding
// the step, gives the end of the right-closed interval that holds the instant.
await conn.run(`
  CREATE TEMP TABLE buckets AS
  SELECT time_bucket(INTERVAL 15 MINUTE, ${id(timeName)} - INTERVAL 1 MICROSECOND) + INTERVAL 15 MINUTE AS label,
         count(*) AS n,
         ${values.map((v) => `avg(${id(v)}) AS ${id(v)}`).join(',\n         ')}
  FROM read_csv([${files.map(str).join(', ')}],
                delim = ';', header = true, quote = '', escape = '',
                nullstr = ['NA', '-99999'],
                timestampformat = '%Y-%m-%d %H:%M:%S',
                types = {${types}},
                union_by_name = true)
  WHERE ${id(timeName)} IS NOT NULL
  GROUP BY label`);

// Every label from the first to the last, empty intervals included, as pandas writes them.
// Missing means stay NULL and are written as #N/A by NULLSTR: a '#N/A' text value would be
// quoted by the CSV writer.
await conn.run(`
  COPY (
    SELECT strftime(g.label, '%d/%m/%Y %H:%M:%S') AS ${id(timeName)},
           ${values.map((v) => `printf('%.2f', b.${id(v)}) AS ${id(v)}`).join(',\n           ')}
    FROM (SELECT unnest(generate_series(min(label), max(label), INTERVAL 15 MINUTE)) AS label FROM buckets) g
    LEFT JOIN buckets b ON b.label = g.label
    ORDER BY g.label
  ) TO ${str(resolve(out))} (FORMAT csv, DELIMITER ';', HEADER true, NULLSTR '#N/A')`);

const counts = await conn.runAndReadAll(
  `SELECT coalesce(sum(n), 0)::BIGINT, (SELECT count(*) FROM (SELECT unnest(generate_series(min(label), max(label), INTERVAL 15 MINUTE)) FROM buckets)) FROM buckets`);
const [lines, rows] = counts.getRows()[0];
console.log(`${lines} lines -> ${rows} rows`);
conn.closeSync();
instance.closeSync();
