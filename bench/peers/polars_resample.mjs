// Polars peer of bench/pandas_resample.py, for the comparison table of bench/README.md.
// Reads every *.csv of DIR (';' separated, column names on line 1, date-time in column 1 as
// yyyy-mm-dd hh:mm:ss, "NA" and "-99999" for missing values), averages each value column per
// 15-minute interval closed on the right and labelled with its end, and writes OUT as pandas
// does: header "index name;columns...", one row per interval from the first label to the last,
// dates dd/mm/yyyy hh:mm:ss, values "%.2f", "#N/A" where an interval has no value.
// usage: node polars_resample.mjs DIR OUT
// The packages live outside the repository, in PEERS_DIR (default /tmp/peers); see README.md.
import { resolve } from 'node:path';
import { peerPackage, csvFiles, columns } from './csv_files.mjs';

const [dir, out] = process.argv.slice(2);
if (!dir || !out) {
  console.error('usage: node polars_resample.mjs DIR OUT');
  process.exit(2);
}
// The thread pool is sized when the native module loads: fix it first, like DuckDB's threads=2.
process.env.POLARS_MAX_THREADS ??= '2';
const pl = peerPackage('nodejs-polars');

const files = csvFiles(dir);
const { heads, timeName, values } = columns(files);
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
