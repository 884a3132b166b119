#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace files {

/// One member value found in a legacy binary design file.
struct LegacyMember {
    enum class Kind { Empty, Boolean, Integer, Real, Text, Decimal };

    std::string fullName;  ///< class name, ".", member name
    Kind kind = Kind::Empty;
    bool boolean = false;
    std::int64_t integer = 0;
    double real = 0.0;
    std::string text;  ///< UTF-8; for a decimal, its text as the stream holds it
};

/// Scans a .NET binary serialisation stream (one or several back to back) for class records and
/// collects their member values in stream order. It understands the records that object graphs
/// of plain classes use: inline and referenced members, inline strings and enums, records that
/// reuse an earlier class's layout, null runs and primitive arrays. Anything else is stepped
/// over byte by byte. It never reads outside the buffer, whatever the bytes.
class LegacyStreamScanner {
public:
    explicit LegacyStreamScanner(std::string_view bytes) : m_bytes(bytes) {}

    std::vector<LegacyMember> Scan();

private:
    struct ClassLayout {
        std::string name;
        std::vector<std::string> memberNames;
        std::vector<std::uint8_t> binaryTypes;
        std::vector<std::uint8_t> primitiveTypes;  // for primitive members, else 0
    };

    class Truncated {};  // thrown when a record runs past the end of the bytes
    class Malformed {};  // thrown when a record holds a value the format does not allow

    std::uint8_t readByte();
    std::int32_t readInt32();
    std::int64_t readInt64();
    double readDouble();
    void skip(std::size_t count);
    std::size_t readLength();  // 7-bit encoded length prefix
    std::string readBytes(std::size_t count);
    std::string readText();  // length-prefixed UTF-8 text

    void readTopRecord(std::uint8_t type);
    /// Reads a class record with member types; an enum record yields its one value.
    std::optional<std::int64_t> readClassRecord(bool hasLibrary, int depth);
    std::optional<std::int64_t> readClassWithId(int depth);
    std::optional<std::int64_t> readMemberValues(const ClassLayout& layout, int depth);
    /// Reads one value record inside a class or an array and stores it under fullName (nothing
    /// is stored for an empty name); returns how many further members a null run covers.
    std::int64_t readValueRecord(const std::string& fullName, int depth);
    /// Reads the array record that follows its type byte, elements included.
    void readArray(std::uint8_t type, int depth, bool elementsFollowAsRecords);
    LegacyMember readPrimitive(std::uint8_t primitiveType);
    void skipPrimitives(std::int64_t count, std::uint8_t primitiveType);
    void readElements(std::int64_t count, int depth);
    void store(LegacyMember member);

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::map<std::int32_t, ClassLayout> m_layouts;  // by object id, for records that reuse one
    std::map<std::int32_t, std::string> m_strings;  // by object id, for strings given by reference
    std::vector<LegacyMember> m_members;
};

}  // namespace files
