// DuckDB peer of bench/pandas_resample.py, for the comparison table of bench/README.md.
// Reads every *.csv of DIR (';' separated, column names on line 1, date-time in column 1 as
// yyyy-mm-dd hh:mm:ss, "NA" and "-99999" for missing values), averages each value column per
// 15-minute interval closed on the right and labelled with its end, and writes OUT as pandas
// does: header "index name;columns...", one row per interval from the first label to the last,
// dates dd/mm/yyyy hh:mm:ss, values "%.2f", "#N/A" where an interval has no value.
// usage: node duckdb_resample.mjs DIR OUT
// The packages live outside the repository, in PEERS_DIR (default /tmp/peers); see README.md.
import { resolve } from 'node:path';
import { peerPackage, csvFiles, columns } from './csv_files.mjs';

const [dir, out] = process.argv.slice(2);
if (!dir || !out) {
  console.error('usage: node duckdb_resample.mjs DIR OUT');
  process.exit(2);
}
const { DuckDBInstance } = peerPackage('@duckdb/node-api');

const files = csvFiles(dir);
const { timeName, values } = columns(files);

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
