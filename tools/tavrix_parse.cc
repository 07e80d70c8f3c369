// tavrix-parse: reads identity-document texts and prints what the library
// makes of them (see kHelp below).
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "api/diagnostics.h"
#include "fields/field_ids.h"
#include "answer_report.h"
#include "getter_table.h"
#include "tavrix_parser.h"

namespace {

constexpr const char* kHelp =
    "Usage: tavrix-parse [OPTION]... [FILE]...\n"
    "Reads identity-document texts (AAMVA barcodes, magnetic stripes, machine-readable\n"
    "zones and more) and prints what the library makes of them.\n"
    "\n"
    "Each FILE is one document, passed byte for byte; with no FILE, or when FILE is -,\n"
    "standard input is read.\n"
    "\n"
    "  --json                 one JSON object per document, keyed by the Java result\n"
    "                         field names\n"
    "  --lines                every line of the input is one document (scanner logs\n"
    "                         write CR and LF as [0D] and [0A])\n"
    "  --fields               also print the document class, the format id and every\n"
    "                         raw field\n"
    "  --barcode COLS,ROWS,ECL  judge the PDF417 symbol geometry too\n"
    "  --stats                after all documents, print on standard error how many\n"
    "                         were read and recognised, per format family, and the\n"
    "                         time per document\n"
    "  --help                 print this help and exit\n"
    "  --version              print the library version and exit\n"
    "\n"
    "Exit status: 0 when every document was recognised, 1 when at least one was not,\n"
    "2 for a usage error or a file that cannot be read.\n";

struct Options {
  bool json = false;
  bool stats = false;
  bool lines = false;
  bool fields = false;
  bool barcode = false;
  int32_t columns = 0, rows = 0, level = 0;
  std::vector<std::string> files;
};

struct Document {
  std::string source;
  std::string bytes;
};

const char* resultName(int32_t code) {
  switch (code) {
    case VTX_OK: return "VTX_OK";
    case VTX_ERR_NO_DATA: return "VTX_ERR_NO_DATA";
    case VTX_ERR_BUFFER_TOO_SMALL: return "VTX_ERR_BUFFER_TOO_SMALL";
    case VTX_ERR_ARGUMENT: return "VTX_ERR_ARGUMENT";
    case VTX_ERR_NO_STORAGE: return "VTX_ERR_NO_STORAGE";
    case VTX_ERR_UNRECOGNISED: return "VTX_ERR_UNRECOGNISED";
    case VTX_ERR_NOT_AVAILABLE: return "VTX_ERR_NOT_AVAILABLE";
    case VTX_ERR_JAVA: return "VTX_ERR_JAVA";
    default: return "unknown";
  }
}

using tavrix_tool::jsonQuote;

// One printed value: a name and either text or a number.
struct Value {
  std::string name;
  std::string text;
  bool quoted;
};

std::vector<Value> collectValues(void* handle, const Options& options) {
  std::vector<Value> values;
  const tavrix_tool::GetterEntry* table = tavrix_tool::getterTable();
  for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
    const tavrix_tool::GetterEntry& g = table[i];
    int32_t number = 0;
    switch (g.kind) {
      case tavrix_tool::GetterKind::text: {
        char buffer[4096];
        if (g.text(handle, buffer, sizeof buffer) == VTX_OK && buffer[0] != '\0') {
          values.push_back({g.jsonName, buffer, true});
        }
        break;
      }
      case tavrix_tool::GetterKind::flag:
        if (g.flag(handle, &number) == VTX_OK) values.push_back({g.jsonName, number ? "true" : "false", false});
        break;
      case tavrix_tool::GetterKind::status:
        if (g.status(handle, &number) == VTX_OK) values.push_back({g.jsonName, std::to_string(number), false});
        break;
      case tavrix_tool::GetterKind::barcode:
        if (options.barcode &&
            g.barcode(handle, options.columns, options.rows, options.level, &number) == VTX_OK) {
          values.push_back({g.jsonName, std::to_string(number), false});
        }
        break;
    }
  }
  return values;
}

std::vector<Value> collectFields(void* handle) {
  std::vector<Value> values;
  for (int32_t id = 0; id < tavrix::field::kCount; ++id) {
    tavrix::Span text;
    if (tavrix::diagnosticField(handle, id, &text) == VTX_OK) {
      values.push_back({tavrix::field::nameOf(id), std::string(text.data, static_cast<size_t>(text.length)), true});
    }
  }
  return values;
}

void printDocument(void* handle, const Document& doc, int32_t rc, const Options& options) {
  const std::vector<Value> values = collectValues(handle, options);
  tavrix::ParseDiagnostics diag{6, 68};
  const bool haveDiag = tavrix::diagnosticsOf(handle, &diag) == VTX_OK;
  std::vector<Value> fields;
  if (options.fields) fields = collectFields(handle);

  if (options.json) {
    std::cout << "{\"source\":" << jsonQuote(doc.source) << ",\"result\":" << rc
              << ",\"resultName\":" << jsonQuote(resultName(rc));
    if (rc == VTX_OK) {
      for (const Value& v : values) std::cout << "," << jsonQuote(v.name) << ":" << (v.quoted ? jsonQuote(v.text) : v.text);
    }
    if (options.fields && haveDiag) {
      std::cout << ",\"documentClass\":" << diag.documentClass << ",\"formatId\":" << diag.formatId << ",\"fields\":{";
      for (size_t i = 0; i < fields.size(); ++i) {
        std::cout << (i ? "," : "") << jsonQuote(fields[i].name) << ":" << jsonQuote(fields[i].text);
      }
      std::cout << "}";
    }
    std::cout << "}\n";
    return;
  }
  std::cout << "document: " << doc.source << "\n";
  std::cout << "result: " << rc << " " << resultName(rc) << "\n";
  if (rc == VTX_OK) {
    for (const Value& v : values) std::cout << v.name << ": " << v.text << "\n";
  }
  if (options.fields && haveDiag) {
    std::cout << "documentClass: " << diag.documentClass << "\n";
    std::cout << "formatId: " << diag.formatId << "\n";
    for (const Value& v : fields) std::cout << "field " << v.name << ": " << v.text << "\n";
  }
  std::cout << "\n";
}

[[noreturn]] void usage(const std::string& message) {
  std::cerr << "tavrix-parse: " << message << "\nTry 'tavrix-parse --help' for more information.\n";
  std::exit(2);
}

bool parseBarcode(const char* text, Options* options) {
  char tail = 0;
  return std::sscanf(text, "%d,%d,%d%c", &options->columns, &options->rows, &options->level, &tail) == 3;
}

Options parseOptions(int argc, char** argv) {
  Options options;
  bool onlyFiles = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
      options.files.push_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--lines") {
      options.lines = true;
    } else if (arg == "--fields") {
      options.fields = true;
    } else if (arg == "--stats") {
      options.stats = true;
    } else if (arg == "--help") {
      std::cout << kHelp;
      std::exit(0);
    } else if (arg == "--version") {
      std::cout << "v." << VTX_getMajorVersion() << "." << VTX_getMinorVersion() << "." << VTX_getBuildVersion()
                << "\n";
      std::exit(0);
    } else if (arg == "--barcode") {
      if (i + 1 >= argc || !parseBarcode(argv[i + 1], &options)) usage("--barcode needs COLS,ROWS,ECL");
      options.barcode = true;
      ++i;
    } else {
      usage("unknown option " + arg);
    }
  }
  return options;
}

// Reads the whole file; on failure `error` says why.
bool readAll(const std::string& name, std::string* out, std::string* error) {
  std::FILE* in = name == "-" ? stdin : std::fopen(name.c_str(), "rb");
  if (in == nullptr) {
    *error = std::strerror(errno);
    return false;
  }
  char chunk[65536];
  size_t n = 0;
  while ((n = std::fread(chunk, 1, sizeof chunk, in)) > 0) out->append(chunk, n);
  const bool failed = std::ferror(in) != 0;
  if (failed) *error = std::strerror(errno);
  if (in != stdin) std::fclose(in);
  return !failed;
}

// The family of a document class, for --stats.
const char* familyName(uint32_t documentClass) {
  switch (documentClass) {
    case 0: return "AAMVA barcode";
    case 1: return "magnetic stripe";
    case 2: return "HC card";
    case 3: return "Common Access Card";
    case 4: return "national barcode";
    case 5: return "machine-readable zone";
    default: return "not recognised";
  }
}

struct Stats {
  long documents = 0;
  long recognised = 0;
  std::map<std::string, long> perFamily;
  std::chrono::steady_clock::duration parsing{};

  void print() const {
    std::cerr << "documents: " << documents << "\nrecognised: " << recognised << "\n";
    for (const auto& [family, count] : perFamily) std::cerr << "  " << family << ": " << count << "\n";
    const double micros = std::chrono::duration<double, std::micro>(parsing).count();
    std::cerr << "time per document: " << (documents > 0 ? micros / static_cast<double>(documents) : 0.0)
              << " us (parse and every getter)\n";
  }
};

std::vector<Document> splitDocuments(const std::string& source, const std::string& bytes, bool lines) {
  std::vector<Document> docs;
  if (!lines) {
    docs.push_back({source, bytes});
    return docs;
  }
  size_t start = 0;
  int lineNumber = 1;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) docs.push_back({source + ":" + std::to_string(lineNumber), line});
    start = end + 1;
    ++lineNumber;
  }
  return docs;
}

}  // namespace

int main(int argc, char** argv) {
  Options options = parseOptions(argc, argv);
  if (options.files.empty()) options.files.push_back("-");

  void* handle = VTX_create();
  if (handle == nullptr) {
    std::cerr << "tavrix-parse: out of memory\n";
    return 2;
  }
  // Long --lines runs show their progress when someone watches the terminal.
  const bool progress = options.lines && isatty(STDERR_FILENO) == 1;
  Stats stats;
  int status = 0;
  for (const std::string& file : options.files) {
    std::string bytes;
    std::string error;
    if (!readAll(file, &bytes, &error)) {
      std::cerr << "tavrix-parse: cannot read " << file << ": " << error << "\n";
      VTX_delete(handle);
      return 2;
    }
    const std::vector<Document> docs = splitDocuments(file == "-" ? "stdin" : file, bytes, options.lines);
    for (size_t i = 0; i < docs.size(); ++i) {
      const Document& doc = docs[i];
      const int32_t length = doc.bytes.size() > INT32_MAX ? INT32_MAX : static_cast<int32_t>(doc.bytes.size());
      const auto start = std::chrono::steady_clock::now();
      const int32_t rc = VTX_parse(handle, doc.bytes.data(), length);
      printDocument(handle, doc, rc, options);
      stats.parsing += std::chrono::steady_clock::now() - start;
      ++stats.documents;
      tavrix::ParseDiagnostics diag{6, 68};
      tavrix::diagnosticsOf(handle, &diag);
      if (rc == VTX_OK) ++stats.recognised;
      ++stats.perFamily[rc == VTX_OK ? familyName(diag.documentClass) : "not recognised"];
      if (rc != VTX_OK) status = 1;
      if (progress && (i + 1) % 1000 == 0) {
        std::cerr << "\r" << file << ": " << (i + 1) << " of " << docs.size() << " documents" << std::flush;
      }
    }
    if (progress && docs.size() >= 1000) std::cerr << "\r" << std::string(60, ' ') << "\r";
  }
  VTX_delete(handle);
  if (options.stats) stats.print();
  return status;
}
