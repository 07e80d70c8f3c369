// Parse and decoder timings. Inputs are built here so the figures do not
// depend on files at run time.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/decoders.h"
#include "getter_table.h"
#include "noise_text.h"
#include "tavrix_parser.h"

namespace {

void BM_ParseUnrecognised500(benchmark::State& state) {
  const std::string text = noiseText(500);
  void* handle = VTX_create();
  for (auto _ : state) {
    benchmark::DoNotOptimize(VTX_parse(handle, text.data(), static_cast<int32_t>(text.size())));
  }
  VTX_delete(handle);
}
BENCHMARK(BM_ParseUnrecognised500);

std::string fourDigits(size_t value) {
  std::string text = std::to_string(value % 10000);
  return std::string(4 - text.size(), '0') + text;
}

// A licence barcode with one subfile of LF-separated elements.
std::string aamvaText(const std::string& header, const std::vector<std::string>& elements) {
  std::string subfile = "DL";
  for (size_t i = 0; i < elements.size(); ++i) subfile += (i == 0 ? "" : "\n") + elements[i];
  subfile += "\r";
  return header + "DL" + fourDigits(header.size() + 10) + fourDigits(subfile.size()) + subfile;
}

// About 450 bytes each: a 2000-edition text and a 2013-edition text.
const std::string& aamvaV01() {
  static const std::string text = aamvaText(
      "@\n\x1e\rANSI 63601001" "01",
      {"DAQ0123456789", "DAASAMPLE,ALEX,JORDAN", "DAG742 EVERGREEN TERRACE", "DAISPRINGFIELD", "DAJFL",
       "DAK32801", "DARE", "DASNONE", "DATNONE", "DBA20290314", "DBB19860314", "DBC1", "DBD20210314", "DAU510",
       "DAW165", "DAYBRO", "DAZBLK", "DAL742 EVERGREEN TERRACE", "DAMAPARTMENT 12", "DANSPRINGFIELD", "DAOFL",
       "DAP32801", "DBF00", "DBHY", "DBJ000123456789", "DBN SAMPLE,AL", "DBO SAMPLE", "DBP AL", "PAAC",
       "PAB20200314", "PACP0123456789", "PAD20190314", "PAENONE", "PAFNONE", "DBE201903140915"});
  return text;
}
const std::string& aamvaV08() {
  static const std::string text = aamvaText(
      "@\n\x1e\rANSI 636035080001",
      {"DCAD", "DCBNONE", "DCDNONE", "DBA03142029", "DCSSAMPLE", "DACALEX", "DADJORDAN", "DBD03142021",
       "DBB03141986", "DBC1", "DAYBRO", "DAU070 IN", "DAG742 EVERGREEN TERRACE", "DAHAPARTMENT 12",
       "DAISPRINGFIELD", "DAJIL", "DAK627010000", "DAQS12345678901", "DCF20210314SPR0001", "DCGUSA", "DDEN",
       "DDFN", "DDGN", "DAZBLK", "DCIILLINOIS USA", "DCJ0001", "DCK21073SA0000123", "DCUJR", "DCE3", "DCLW",
       "DDAF", "DDB09012017", "DDC00000000", "DDDN", "DAW165", "DAX075", "DDH03142004", "DDI03142005",
       "DDJ03142007", "DDK1", "DDL0"});
  return text;
}

void BM_ParseAamva(benchmark::State& state, const std::string& (*input)()) {
  const std::string& text = input();
  void* handle = VTX_create();
  for (auto _ : state) {
    benchmark::DoNotOptimize(VTX_parse(handle, text.data(), static_cast<int32_t>(text.size())));
  }
  state.SetLabel(std::to_string(text.size()) + " bytes");
  VTX_delete(handle);
}
BENCHMARK_CAPTURE(BM_ParseAamva, v01, aamvaV01);
BENCHMARK_CAPTURE(BM_ParseAamva, v08, aamvaV08);

// Parse, then ask every getter and validator of the getter table once.
void BM_ParseAamvaAndGetAll(benchmark::State& state, const std::string& (*input)()) {
  const std::string& text = input();
  void* handle = VTX_create();
  char buffer[256];
  int32_t value = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(VTX_parse(handle, text.data(), static_cast<int32_t>(text.size())));
    for (int32_t i = 0; i < tavrix_tool::getterCount(); ++i) {
      const tavrix_tool::GetterEntry& g = tavrix_tool::getterTable()[i];
      if (g.text != nullptr) benchmark::DoNotOptimize(g.text(handle, buffer, sizeof buffer));
      if (g.flag != nullptr) benchmark::DoNotOptimize(g.flag(handle, &value));
      if (g.status != nullptr) benchmark::DoNotOptimize(g.status(handle, &value));
      if (g.barcode != nullptr) benchmark::DoNotOptimize(g.barcode(handle, 10, 20, 3, &value));
    }
  }
  VTX_delete(handle);
}
BENCHMARK_CAPTURE(BM_ParseAamvaAndGetAll, v01, aamvaV01);
BENCHMARK_CAPTURE(BM_ParseAamvaAndGetAll, v08, aamvaV08);

// The ICAO specimen passport zone, two lines of 44 characters; the parse
// tries every row, the zone rows last.
const std::string& td3Zone() {
  static const std::string text =
      "P<UTOERIKSSON<<ANNA<MARIA<<<<<<<<<<<<<<<<<<<\n"
      "L898902C36UTO7408122F1204159ZE184226B<<<<<10\n";
  return text;
}
void BM_ParseTd3Zone(benchmark::State& state) { BM_ParseAamva(state, td3Zone); }
BENCHMARK(BM_ParseTd3Zone);
void BM_ParseTd3ZoneAndGetAll(benchmark::State& state) { BM_ParseAamvaAndGetAll(state, td3Zone); }
BENCHMARK(BM_ParseTd3ZoneAndGetAll);
// A three-track licence stripe as a reader delivers it, about 130 bytes.
const std::string& stripeThreeTracks() {
  static const std::string text =
      "%CAANYTOWN^SAMPLE$ALEX$JORDAN^742 EVERGREEN TERRACE^?;6360001234567=2903198603140?"
      "%0 95814      C               M510165BROBLK?";
  return text;
}
void BM_ParseStripe(benchmark::State& state) { BM_ParseAamva(state, stripeThreeTracks); }
BENCHMARK(BM_ParseStripe);
void BM_ParseStripeAndGetAll(benchmark::State& state) { BM_ParseAamvaAndGetAll(state, stripeThreeTracks); }
BENCHMARK(BM_ParseStripeAndGetAll);

template <tavrix::Decoder decoder>
void BM_Decode(benchmark::State& state) {
  const std::string text = noiseText(static_cast<size_t>(state.range(0)));
  std::vector<char> out(text.size() + 2);
  for (auto _ : state) {
    int32_t n = 0;
    benchmark::DoNotOptimize(decoder(text.data(), static_cast<int32_t>(text.size()), out.data(),
                                     static_cast<int32_t>(out.size()) - 1, &n));
    benchmark::DoNotOptimize(n);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeVerbatim)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeNormalized)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeNormalizedPrintable)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeFoldLatin1)->Arg(500)->Arg(64 << 10);
BENCHMARK_TEMPLATE(BM_Decode, tavrix::decodeMrzText)->Arg(500)->Arg(64 << 10);

}  // namespace
