// Exported getters of the names section.
#include "api/getter.h"
#include "api/record_getter.h"
#include "fields/person_names.h"

#include "fields/field_ids.h"

using tavrix::formedThenCut;
using tavrix::onRecord;

namespace {

// A stored full name is copied straight, with its byte to spare; one joined
// from the name parts is formed whole and then cut.
int32_t fullName(const tavrix::ParserHandle& handle, char* buffer, int32_t capacity) {
  if (!tavrix::spanIsEmpty(tavrix::recordField(&handle.record, tavrix::field::fullName))) {
    return tavrix::fullNameAccessor(&handle.record, buffer, capacity);
  }
  return formedThenCut<tavrix::fullNameAccessor>(handle, buffer, capacity);
}

}  // namespace

TAVRIX_TEXT_GETTER(VTX_getFirstName, formedThenCut<tavrix::firstNameAccessor>)
TAVRIX_TEXT_GETTER(VTX_getLastName, formedThenCut<tavrix::lastNameAccessor>)
TAVRIX_TEXT_GETTER(VTX_getMiddleName, formedThenCut<tavrix::middleNameAccessor>)
TAVRIX_TEXT_GETTER(VTX_getNameSuffix, formedThenCut<tavrix::nameSuffixAccessor>)
TAVRIX_TEXT_GETTER(VTX_getNamePrefix, formedThenCut<tavrix::namePrefixAccessor>)
TAVRIX_TEXT_GETTER(VTX_getFullName, fullName)
