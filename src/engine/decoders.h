// Decoders: prepare the raw input for a family of format parsers. Each
// writes at most `capacity` bytes into `out`, sets *outLength and returns
// 0, or a negative code.
#pragma once

#include <cstdint>

namespace tavrix {

using Decoder = int32_t (*)(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength);

int32_t decodeVerbatim(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength);
int32_t decodeNormalized(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength);
int32_t decodeNormalizedPrintable(const char* input, int32_t length, char* out, int32_t capacity,
                                  int32_t* outLength);
// The pass decodeNormalizedPrintable makes over decodeNormalized's text:
// every byte but LF, CR, RS and 0x20..0x7A becomes a space. It leaves
// letters alone, so it may run before or after upper-casing.
void normalizedToPrintable(char* text, int32_t n);
int32_t decodeFoldLatin1(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength);
int32_t decodeMrzText(const char* input, int32_t length, char* out, int32_t capacity, int32_t* outLength);

}  // namespace tavrix
