// Reading and writing game records: fields back to back with no padding,
// texts as fixed single-byte fields, integers little-endian and signed.
// Each record type lists its fields once, in file order, with
//   template <class Self, class V> static void Fields(Self& r, V& v)
// calling v(name, index, field) for every field (index 0 for a field that
// is not part of a numbered group); decoding, encoding and the field
// layout used by the tools all follow that one list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/fixed_text.h"

namespace qvl::data {

enum class FieldType { kText, kInt16, kInt32 };

// Where one field lies in a record and what it holds.
struct FieldInfo {
  std::string name;  // the field's name, with its number for a group ("Pointer3")
  FieldType type;
  size_t offset;
  size_t width;
};

// The name of one field of a group: "Pointer" + 3 → "Pointer3"; a name that
// already ends in a digit gets an underscore first ("unused410_3").
std::string FieldName(const char* name, int index);

namespace codec {

// Fills a record from bytes. Bytes past the end of the buffer read as an
// empty record reads: spaces in texts, zeros in integers.
class Decoder {
 public:
  explicit Decoder(std::string_view bytes) : bytes_(bytes) {}

  template <size_t N>
  void operator()(const char*, int, FixedText<N>& field) {
    for (size_t i = 0; i < N; ++i) field.data()[i] = Byte(' ');
  }
  void operator()(const char*, int, int16_t& field) { field = static_cast<int16_t>(Unsigned(2)); }
  void operator()(const char*, int, int32_t& field) { field = static_cast<int32_t>(Unsigned(4)); }

 private:
  char Byte(char missing) {
    char b = pos_ < bytes_.size() ? bytes_[pos_] : missing;
    ++pos_;
    return b;
  }
  uint32_t Unsigned(int width) {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i) value |= uint32_t{static_cast<uint8_t>(Byte('\0'))} << (8 * i);
    return value;
  }
  std::string_view bytes_;
  size_t pos_ = 0;
};

// Appends a record's fields to a byte string.
class Encoder {
 public:
  explicit Encoder(std::string& out) : out_(out) {}

  template <size_t N>
  void operator()(const char*, int, const FixedText<N>& field) { out_.append(field.Raw()); }
  void operator()(const char*, int, int16_t field) { Append(static_cast<uint16_t>(field), 2); }
  void operator()(const char*, int, int32_t field) { Append(static_cast<uint32_t>(field), 4); }

 private:
  void Append(uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  }
  std::string& out_;
};

// Lists the fields with their offsets.
class LayoutCollector {
 public:
  template <size_t N>
  void operator()(const char* name, int index, const FixedText<N>&) { Add(name, index, FieldType::kText, N); }
  void operator()(const char* name, int index, int16_t) { Add(name, index, FieldType::kInt16, 2); }
  void operator()(const char* name, int index, int32_t) { Add(name, index, FieldType::kInt32, 4); }

  std::vector<FieldInfo> fields;

 private:
  void Add(const char* name, int index, FieldType type, size_t width) {
    fields.push_back({FieldName(name, index), type, offset_, width});
    offset_ += width;
  }
  size_t offset_ = 0;
};

}  // namespace codec

// A record of type R read from its bytes; a short buffer is completed as
// an empty record (spaces and zeros).
template <class R>
R Decode(std::string_view bytes) {
  R record;
  codec::Decoder decoder(bytes);
  R::Fields(record, decoder);
  return record;
}

// The bytes of a record, exactly R::kSize of them.
template <class R>
std::string Encode(const R& record) {
  std::string out;
  out.reserve(R::kSize);
  codec::Encoder encoder(out);
  R::Fields(record, encoder);
  return out;
}

// Every field of R with its offset and width, in file order.
template <class R>
std::vector<FieldInfo> Layout() {
  R record;
  codec::LayoutCollector collector;
  R::Fields(record, collector);
  return collector.fields;
}

// Visits every element of a numbered group with its number.
template <class Group, class V>
void VisitGroup(const char* name, Group& group, V& v) {
  for (int i = 1; i <= Group::kCount; ++i) v(name, i, group(i));
}

}  // namespace qvl::data
