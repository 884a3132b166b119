#include "files/dyn_file_reader.h"

#include "files/lenient_number.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
#include <string_view>

namespace files {
namespace {

// Reads one line and drops the carriage return of a file written with CRLF line ends. At the end
// of the stream the line is empty, which every trailer field reads as 0.
std::string readLine(std::istream& in) {
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

bool isEmptyLine(std::string_view line) {
    return trimBlanks(line).empty();
}

void readCountedPoint(std::string_view line, CardRecord& card) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        // A line without the comma has no load; keep its place in the card as a point that did
        // not parse.
        card.positions.push_back(lenientNumber(line));
        card.loads.push_back(std::numeric_limits<double>::quiet_NaN());
        return;
    }
    // The parser trims the blanks after the comma, so "12.5,3400" and "12.5, 3400" read alike.
    card.positions.push_back(lenientNumber(line.substr(0, comma)));
    card.loads.push_back(lenientNumber(line.substr(comma + 1)));
}

void readTabbedPoint(std::string_view line, CardRecord& card) {
    const std::size_t firstTab = line.find('\t');
    std::string_view position = line.substr(0, firstTab);
    std::string_view load;
    if (firstTab != std::string_view::npos) {
        load = line.substr(firstTab + 1);
        load = load.substr(0, load.find('\t'));
    }
    constexpr double kPoundsPerKip = 1000.0;
    card.positions.push_back(lenientNumber(position));
    card.loads.push_back(lenientNumber(load) * kPoundsPerKip);
}

}  // namespace

DynFile readDynCard(std::istream& in) {
    DynFile file;
    CardRecord& card = file.card;
    const std::string first = readLine(in);
    card.pointCount = truncateToInt32(lenientNumber(first));
    file.layout = first.compare(0, 8, "#Surface") == 0 ? DynLayout::Tabbed : DynLayout::Counted;

    if (file.layout == DynLayout::Tabbed) {
        while (in.good()) {
            const std::string line = readLine(in);
            if (!isEmptyLine(line)) {
                readTabbedPoint(line, card);
            }
        }
    } else {
        std::int64_t budget = lenientInteger(first);
        while (in.good() && budget > 0) {
            const std::string line = readLine(in);
            if (isEmptyLine(line)) {
                continue;
            }
            readCountedPoint(line, card);
            --budget;
        }
        const double marker = lenientNumber(readLine(in));
        if (marker != 0.0) {
            // Two lines of unknown meaning follow a non-zero marker.
            readLine(in);
            readLine(in);
        }
        card.strokesPerMinute = truncateToInt32(lenientNumber(readLine(in)));
        card.strokeLength = lenientNumber(readLine(in));
        card.tvLoad = lenientNumber(readLine(in));
        card.svLoad = lenientNumber(readLine(in));
    }

    setPeakAndMinimumLoad(card);
    const double area = cardArea(card.positions, card.loads, card.pointCount);
    card.polishedRodPower = polishedRodPowerFromArea(area, card.strokesPerMinute);
    return file;
}

std::optional<DynFile> readDynFile(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error) {
            *error = "cannot open " + path + ": " + std::strerror(errno);
        }
        return std::nullopt;
    }
    return readDynCard(in);
}

}  // namespace files
