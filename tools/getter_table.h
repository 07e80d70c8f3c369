// Every exported getter and validator, in export order, with the name the
// command-line tool prints and the Java result field name used as its JSON
// key. The tool and the fuzz target both walk this one table, so a getter
// added here is printed and fuzzed without further changes.
#pragma once

#include <cstdint>

namespace tavrix_tool {

using TextGetterFn = int32_t (*)(void* handle, char* buffer, int32_t capacity);
using FlagGetterFn = int32_t (*)(void* handle, int32_t* value);
using StatusGetterFn = int32_t (*)(void* handle, int32_t* status);
using BarcodeValidatorFn = int32_t (*)(void* handle, int32_t columns, int32_t rows, int32_t level,
                                       int32_t* status);

enum class GetterKind { text, flag, status, barcode };

struct GetterEntry {
  const char* cName;     // exported function name
  const char* jsonName;  // Java result field name
  GetterKind kind;
  TextGetterFn text;
  FlagGetterFn flag;
  StatusGetterFn status;
  BarcodeValidatorFn barcode;
};

const GetterEntry* getterTable();
int32_t getterCount();

}  // namespace tavrix_tool
