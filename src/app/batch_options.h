// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace talve {

// Options of the batch mode, as given on the command line (Windows-1252
// texts once converted from the terminal's UTF-8).
struct BatchOptions {
  bool help = false;
  bool list_only = false;  // step 1 only: the file table on standard output
  bool keys = false;       // the description keys explained, on standard output
  std::string description_path;
  // --inspect SAMPLE: a description written from a sample file, to
  // `inspect_output` (else beside the sample), replacing an existing file
  // only with `force`.
  std::optional<std::string> inspect;
  std::optional<std::string> inspect_output;
  bool force = false;
  std::optional<std::string> start;
  std::optional<std::string> end;
  std::optional<std::string> step;
  std::optional<std::string> date_test;
  std::optional<std::string> period;  // "donnees" (the listed files) or "dsc" (the last run)
  std::optional<std::string> data_dir;
  std::optional<std::string> output_dir;
  // Set by the program itself, never by an option: once the result and its
  // report are written and the output flushed, the process ends at once
  // instead of freeing the run's tables block by block (tens of megabytes
  // in hundreds of thousands of blocks), which the system does faster.
  bool end_process_when_written = false;
};

// Parses argv[1..]; on a usage error returns nothing and sets the reason.
std::optional<BatchOptions> parse_batch_options(const std::vector<std::string>& args, std::string& error);

// The usage text, in French.
const std::string& batch_usage();

// A path given on the command line, as text once converted, made absolute
// against the working folder, which the file system names.
std::string absolute_path(const std::string& path);

}  // namespace talve
