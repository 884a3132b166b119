#include "files/legacy_stream_scanner.h"

#include "files/text_encoding.h"

#include <cstring>
#include <limits>

namespace files {
namespace {

// Record types of the binary serialisation format.
enum RecordType : std::uint8_t {
    kStreamHeader = 0,
    kClassWithId = 1,
    kSystemClassWithMembers = 2,
    kClassWithMembers = 3,
    kSystemClassWithMembersAndTypes = 4,
    kClassWithMembersAndTypes = 5,
    kBinaryObjectString = 6,
    kBinaryArray = 7,
    kMemberPrimitiveTyped = 8,
    kMemberReference = 9,
    kObjectNull = 10,
    kMessageEnd = 11,
    kBinaryLibrary = 12,
    kObjectNullMultiple256 = 13,
    kObjectNullMultiple = 14,
    kArraySinglePrimitive = 15,
    kArraySingleObject = 16,
    kArraySingleString = 17,
};

// Binary types of members and array elements.
enum BinaryType : std::uint8_t {
    kPrimitive = 0,
    kString = 1,
    kObject = 2,
    kSystemClass = 3,
    kClass = 4,
    kObjectArray = 5,
    kStringArray = 6,
    kPrimitiveArray = 7,
};

// Primitive types.
enum PrimitiveType : std::uint8_t {
    kBoolean = 1,
    kByte = 2,
    kChar = 3,
    kDecimal = 5,
    kDouble = 6,
    kInt16 = 7,
    kInt32 = 8,
    kInt64 = 9,
    kSByte = 10,
    kSingle = 11,
    kTimeSpan = 12,
    kDateTime = 13,
    kUInt16 = 14,
    kUInt32 = 15,
    kUInt64 = 16,
    kNull = 17,
    kPrimitiveString = 18,
};

// Deeper nesting than this is not a design file; stop rather than exhaust the stack.
constexpr int kMaxDepth = 32;

// Size in bytes of a fixed-size primitive, 0 for the variable ones (char, decimal, string) and
// for null; -1 for a type the format does not define.
int fixedSize(std::uint8_t type) {
    switch (type) {
        case kBoolean:
        case kByte:
        case kSByte:
            return 1;
        case kInt16:
        case kUInt16:
            return 2;
        case kInt32:
        case kUInt32:
        case kSingle:
            return 4;
        case kDouble:
        case kInt64:
        case kUInt64:
        case kTimeSpan:
        case kDateTime:
            return 8;
        case kChar:
        case kDecimal:
        case kNull:
        case kPrimitiveString:
            return 0;
        default:
            return -1;
    }
}

}  // namespace

std::uint8_t LegacyStreamScanner::readByte() {
    if (m_pos >= m_bytes.size()) {
        throw Truncated();
    }
    return static_cast<std::uint8_t>(m_bytes[m_pos++]);
}

void LegacyStreamScanner::skip(std::size_t count) {
    if (count > m_bytes.size() - m_pos) {
        m_pos = m_bytes.size();
        throw Truncated();
    }
    m_pos += count;
}

std::int32_t LegacyStreamScanner::readInt32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= std::uint32_t{readByte()} << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

std::int64_t LegacyStreamScanner::readInt64() {
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i) {
        value |= std::uint64_t{readByte()} << (8 * i);
    }
    return static_cast<std::int64_t>(value);
}

double LegacyStreamScanner::readDouble() {
    const auto bits = static_cast<std::uint64_t>(readInt64());
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::size_t LegacyStreamScanner::readLength() {
    // Seven bits a byte, low bits first; the high bit says another byte follows. Five bytes at
    // most carry a 32-bit length.
    std::uint64_t value = 0;
    for (int i = 0; i < 5; ++i) {
        const std::uint8_t byte = readByte();
        value |= std::uint64_t{byte & 0x7Fu} << (7 * i);
        if ((byte & 0x80u) == 0) {
            if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
                throw Malformed();
            }
            return static_cast<std::size_t>(value);
        }
    }
    throw Malformed();
}

std::string LegacyStreamScanner::readBytes(std::size_t count) {
    const std::size_t start = m_pos;
    skip(count);
    return std::string(m_bytes.substr(start, count));
}

std::string LegacyStreamScanner::readText() {
    return fileBytesToUtf8(readBytes(readLength()));
}

void LegacyStreamScanner::store(LegacyMember member) {
    if (!member.fullName.empty() && member.kind != LegacyMember::Kind::Empty) {
        m_members.push_back(std::move(member));
    }
}

LegacyMember LegacyStreamScanner::readPrimitive(std::uint8_t primitiveType) {
    LegacyMember value;
    switch (primitiveType) {
        case kBoolean:
            value.kind = LegacyMember::Kind::Boolean;
            value.boolean = readByte() != 0;
            break;
        case kByte:
            value.kind = LegacyMember::Kind::Integer;
            value.integer = readByte();
            break;
        case kSByte:
            value.kind = LegacyMember::Kind::Integer;
            value.integer = static_cast<std::int8_t>(readByte());
            break;
        case kInt16:
        case kUInt16: {
            const auto low = readByte();
            const auto bits = static_cast<std::uint16_t>(low | (readByte() << 8));
            value.kind = LegacyMember::Kind::Integer;
            value.integer = primitiveType == kInt16 ? static_cast<std::int16_t>(bits) : bits;
            break;
        }
        case kInt32:
            value.kind = LegacyMember::Kind::Integer;
            value.integer = readInt32();
            break;
        case kUInt32:
            value.kind = LegacyMember::Kind::Integer;
            value.integer = static_cast<std::uint32_t>(readInt32());
            break;
        case kInt64:
        case kUInt64:
            value.kind = LegacyMember::Kind::Integer;
            value.integer = readInt64();
            break;
        case kDouble:
            value.kind = LegacyMember::Kind::Real;
            value.real = readDouble();
            break;
        case kSingle: {
            const auto bits = static_cast<std::uint32_t>(readInt32());
            float single = 0.0f;
            std::memcpy(&single, &bits, sizeof single);
            value.kind = LegacyMember::Kind::Real;
            value.real = single;
            break;
        }
        case kTimeSpan:
        case kDateTime:
            skip(8);
            break;
        case kChar: {
            // One UTF-8 character; its lead byte gives the length.
            const std::uint8_t lead = readByte();
            const std::size_t more = lead < 0xC0 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
            skip(more);
            break;
        }
        case kDecimal:
            value.kind = LegacyMember::Kind::Decimal;
            value.text = readBytes(readLength());
            break;
        case kPrimitiveString:
            value.kind = LegacyMember::Kind::Text;
            value.text = readText();
            break;
        case kNull:
            break;
        default:
            throw Malformed();
    }
    return value;
}

void LegacyStreamScanner::skipPrimitives(std::int64_t count, std::uint8_t primitiveType) {
    const int size = fixedSize(primitiveType);
    if (size < 0 || count < 0) {
        throw Malformed();
    }
    if (size > 0) {
        const auto remaining = static_cast<std::int64_t>(m_bytes.size() - m_pos);
        if (count > remaining / size) {
            m_pos = m_bytes.size();
            throw Truncated();
        }
        m_pos += static_cast<std::size_t>(count * size);
        return;
    }
    if (primitiveType == kNull) {
        return;
    }
    for (std::int64_t i = 0; i < count; ++i) {
        readPrimitive(primitiveType);  // each one takes at least one byte
    }
}

void LegacyStreamScanner::readElements(std::int64_t count, int depth) {
    while (count > 0) {
        count -= 1 + readValueRecord(std::string(), depth);
    }
}

void LegacyStreamScanner::readArray(std::uint8_t type, int depth, bool elementsFollowAsRecords) {
    readInt32();  // object id
    if (type == kArraySinglePrimitive || type == kArraySingleObject || type == kArraySingleString) {
        const std::int32_t length = readInt32();
        if (length < 0) {
            throw Malformed();
        }
        if (type == kArraySinglePrimitive) {
            skipPrimitives(length, readByte());
        } else if (!elementsFollowAsRecords) {
            readElements(length, depth);
        }
        return;
    }
    // A general array: shape, optional lower bounds, element type.
    const std::uint8_t arrayType = readByte();
    const std::int32_t rank = readInt32();
    if (arrayType > 5 || rank < 0) {
        throw Malformed();
    }
    std::int64_t elements = 1;
    for (std::int32_t i = 0; i < rank; ++i) {
        const std::int32_t length = readInt32();
        if (length < 0) {
            throw Malformed();
        }
        // Saturate: the element loop below ends at the end of the bytes anyway.
        constexpr std::int64_t kCap = std::int64_t{1} << 40;
        elements = (length != 0 && elements > kCap / length) ? kCap : elements * length;
    }
    if (arrayType >= 3) {
        for (std::int32_t i = 0; i < rank; ++i) {
            readInt32();
        }
    }
    const std::uint8_t elementType = readByte();
    std::uint8_t primitiveType = 0;
    switch (elementType) {
        case kPrimitive:
        case kPrimitiveArray:
            primitiveType = readByte();
            break;
        case kSystemClass:
            readBytes(readLength());
            break;
        case kClass:
            readBytes(readLength());
            readInt32();
            break;
        case kString:
        case kObject:
        case kObjectArray:
        case kStringArray:
            break;
        default:
            throw Malformed();
    }
    if (elementType == kPrimitive) {
        skipPrimitives(elements, primitiveType);
    } else if (!elementsFollowAsRecords) {
        readElements(elements, depth);
    }
}

std::optional<std::int64_t> LegacyStreamScanner::readMemberValues(const ClassLayout& layout,
                                                                  int depth) {
    std::optional<std::int64_t> enumValue;
    std::int64_t nullsPending = 0;
    for (std::size_t i = 0; i < layout.memberNames.size(); ++i) {
        const std::string fullName = layout.name + "." + layout.memberNames[i];
        if (nullsPending > 0) {
            --nullsPending;
            continue;
        }
        if (layout.binaryTypes[i] == kPrimitive) {
            LegacyMember value = readPrimitive(layout.primitiveTypes[i]);
            if (layout.memberNames.size() == 1 && layout.memberNames[0] == "value__" &&
                value.kind == LegacyMember::Kind::Integer) {
                enumValue = value.integer;
            }
            value.fullName = fullName;
            store(std::move(value));
        } else {
            nullsPending = readValueRecord(fullName, depth);
        }
    }
    return enumValue;
}

std::optional<std::int64_t> LegacyStreamScanner::readClassRecord(bool hasLibrary, int depth) {
    if (depth > kMaxDepth) {
        throw Malformed();
    }
    ClassLayout layout;
    const std::int32_t objectId = readInt32();
    layout.name = readText();
    const std::int32_t memberCount = readInt32();
    if (memberCount < 0) {
        throw Malformed();
    }
    // Every name takes at least one byte, so a count larger than the rest of the stream is cut
    // short by the end of the bytes rather than by memory.
    for (std::int32_t i = 0; i < memberCount; ++i) {
        layout.memberNames.push_back(readText());
    }
    for (std::int32_t i = 0; i < memberCount; ++i) {
        const std::uint8_t type = readByte();
        if (type > kPrimitiveArray) {
            throw Malformed();
        }
        layout.binaryTypes.push_back(type);
    }
    layout.primitiveTypes.assign(layout.binaryTypes.size(), 0);
    for (std::size_t i = 0; i < layout.binaryTypes.size(); ++i) {
        switch (layout.binaryTypes[i]) {
            case kPrimitive:
            case kPrimitiveArray:
                layout.primitiveTypes[i] = readByte();
                break;
            case kSystemClass:
                readBytes(readLength());
                break;
            case kClass:
                readBytes(readLength());
                readInt32();  // library id
                break;
            default:
                break;
        }
    }
    if (hasLibrary) {
        readInt32();
    }
    m_layouts[objectId] = layout;
    return readMemberValues(layout, depth);
}

std::optional<std::int64_t> LegacyStreamScanner::readClassWithId(int depth) {
    if (depth > kMaxDepth) {
        throw Malformed();
    }
    const std::int32_t objectId = readInt32();
    const std::int32_t metadataId = readInt32();
    const auto it = m_layouts.find(metadataId);
    if (it == m_layouts.end()) {
        throw Malformed();
    }
    // A copy: a nested record may reuse the id and replace the stored layout while it is read.
    const ClassLayout layout = it->second;
    m_layouts[objectId] = layout;
    return readMemberValues(layout, depth);
}

std::int64_t LegacyStreamScanner::readValueRecord(const std::string& fullName, int depth) {
    if (depth > kMaxDepth) {
        throw Malformed();
    }
    LegacyMember value;
    value.fullName = fullName;
    const std::uint8_t type = readByte();
    switch (type) {
        case kClassWithId:
        case kSystemClassWithMembersAndTypes:
        case kClassWithMembersAndTypes: {
            const std::optional<std::int64_t> enumValue =
                type == kClassWithId
                    ? readClassWithId(depth + 1)
                    : readClassRecord(type == kClassWithMembersAndTypes, depth + 1);
            if (enumValue) {
                value.kind = LegacyMember::Kind::Integer;
                value.integer = *enumValue;
            }
            break;
        }
        case kBinaryObjectString: {
            const std::int32_t objectId = readInt32();
            value.kind = LegacyMember::Kind::Text;
            value.text = readText();
            m_strings[objectId] = value.text;
            break;
        }
        case kMemberPrimitiveTyped: {
            const std::uint8_t primitiveType = readByte();
            value = readPrimitive(primitiveType);
            value.fullName = fullName;
            break;
        }
        case kMemberReference: {
            // The referenced object is a record of its own elsewhere in the stream; only a string
            // seen before can stand in for it here.
            const auto it = m_strings.find(readInt32());
            if (it != m_strings.end()) {
                value.kind = LegacyMember::Kind::Text;
                value.text = it->second;
            }
            break;
        }
        case kObjectNull:
            break;
        case kObjectNullMultiple256: {
            const std::uint8_t count = readByte();
            return count > 0 ? count - 1 : 0;
        }
        case kObjectNullMultiple: {
            const std::int32_t count = readInt32();
            if (count < 0) {
                throw Malformed();
            }
            return count > 0 ? count - 1 : 0;
        }
        case kBinaryArray:
        case kArraySinglePrimitive:
        case kArraySingleObject:
        case kArraySingleString:
            readArray(type, depth + 1, false);
            break;
        default:
            throw Malformed();
    }
    store(std::move(value));
    return 0;
}

void LegacyStreamScanner::readTopRecord(std::uint8_t type) {
    switch (type) {
        case kStreamHeader:
            // A new stream numbers its objects afresh.
            skip(16);
            m_layouts.clear();
            m_strings.clear();
            break;
        case kClassWithId:
            readClassWithId(0);
            break;
        case kSystemClassWithMembersAndTypes:
            readClassRecord(false, 0);
            break;
        case kClassWithMembersAndTypes:
            readClassRecord(true, 0);
            break;
        case kBinaryObjectString: {
            const std::int32_t objectId = readInt32();
            m_strings[objectId] = readText();
            break;
        }
        case kBinaryArray:
        case kArraySinglePrimitive:
        case kArraySingleObject:
        case kArraySingleString:
            // At the top level the elements of an array of objects follow as records of their
            // own, which this loop reads next.
            readArray(type, 0, true);
            break;
        case kMemberPrimitiveTyped:
            readPrimitive(readByte());
            break;
        case kMemberReference:
            skip(4);
            break;
        case kBinaryLibrary:
            skip(4);
            readBytes(readLength());
            break;
        case kObjectNullMultiple256:
            skip(1);
            break;
        case kObjectNullMultiple:
            skip(4);
            break;
        default:
            // Null and end-of-message records carry nothing; any other byte is not a record
            // start this reader knows, and scanning goes on with the next byte.
            break;
    }
}

std::vector<LegacyMember> LegacyStreamScanner::Scan() {
    m_pos = 0;
    m_members.clear();
    m_layouts.clear();
    m_strings.clear();
    while (m_pos < m_bytes.size()) {
        try {
            readTopRecord(readByte());
        } catch (const Truncated&) {
            break;  // nothing after a record cut short can be read
        } catch (const Malformed&) {
            // Go on after what was read, which keeps the scan linear in the stream's length.
        }
    }
    return std::move(m_members);
}

}  // namespace files
