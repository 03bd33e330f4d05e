// Polars peer of bench/pandas_resample.py, for the comparison table of bench/README.md.
// Reads every *.csv of DIR (';' separated, column names on line 1, date-time in column 1 as
// yyyy-mm-dd hh:mm:ss, "NA" and "-99999" for missing values), averages each value column per
// 15-minute interval closed on the right and labelled with its end, and writes OUT as pandas
// does: header "index name;columns...", one row per interval from the first label to the last,
// dates dd/mm/yyyy hh:mm:ss, values "%.2f", "#N/A" where an interval has no value.
// usage: node polars_resample.mjs DIR OUT
// The packages live outside the repository, in PEERS_DIR (default /tmp/peers); see README.md.
import { createRequire } from 'node:module';
import { readdirSync, openSync, readSync, closeSync } from 'node:fs';
import { join, resolve } from 'node:path';

const [dir, out] = process.argv.slice(2);
if (!dir || !out) {
  console.error('usage: node polars_resample.mjs DIR OUT');
  process.exit(2);
}
// The thread pool is sized when the native module loads: fix it first, like DuckDB's threads=2.
process.env.POLARS_MAX_THREADS ??= '2';
const peers = process.env.PEERS_DIR || '/tmp/peers';
const require = createRequire(join(peers, 'node_modules', '.resolve'));
const pl = require('nodejs-polars');

const files = readdirSync(dir).filter((f) => f.endsWith('.csv')).sort().map((f) => resolve(dir, f));
if (files.length === 0) {
  console.error(`no *.csv in ${dir}`);
  process.exit(1);
}

// Column names come from the first line of each file; the first one is the date-time.
// Giving the reader the full schema avoids guessing types from a sample.
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
const sameColumns = heads.every((h) => h.join(';') === heads[0].join(';'));

const frames = heads.map((h, i) => {
  const schema = { [h[0]]: pl.Utf8 };
  for (const name of h.slice(1)) schema[name] = pl.Float64;
  return pl
    .scanCSV(files[i], { sep: ';', hasHeader: true, nullValues: ['NA', '-99999'], schema })
    .rename({ [h[0]]: timeName });
});
// Files with other columns are stacked by name, the missing ones left empty, as pandas.concat does.
const all = pl
  .concat(frames, { how: sameColumns ? 'vertical' : 'diagonal' })
  .withColumns(pl.col(timeName).str.strptime(pl.Datetime, '%Y-%m-%d %H:%M:%S'))
  .filter(pl.col(timeName).isNotNull())
  .sort(timeName);

// closed: 'right' puts an instant exactly on a quarter hour in the interval ending there;
// label: 'right' names each interval by its end; startBy: 'window' aligns the windows on the
// quarter hours instead of on the first instant.
const means = all
  .groupByDynamic({ indexColumn: timeName, every: '15m', closed: 'right', label: 'right', startBy: 'window' })
  .agg(pl.col(timeName).count().alias('__lines'), ...values.map((v) => pl.col(v).mean()))
  .collectSync();
const lines = means.getColumn('__lines').sum();

// Intervals without any line are absent from the groups: upsample adds them with empty values.
const table = means.drop('__lines').upsample({ timeColumn: timeName, every: '15m' });
table.writeCSV(resolve(out), {
  separator: ';',
  includeHeader: true,
  floatPrecision: 2,
  nullValue: '#N/A',
  datetimeFormat: '%d/%m/%Y %H:%M:%S',
});
console.log(`${lines} lines -> ${table.height} rows`);
