// Calculation files and wall tables: the readers never crash on any bytes; a
// file that is accepted is written back to bytes that read to the same
// calculation and record, and every wall read from a table has finite values.
#include "KorvelsBuilding.h"
#include "KorvelsCsv.h"
#include "KorvelsFile.h"
#include "KorvelsInputs.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const Korvel::CsvWall& wall : Korvel::ReadCsv(bytes, ",").walls)
        if (wall.error.isEmpty())
            for (const auto& f : Korvel::InputFields())
                if (!std::isfinite(wall.checked.record.*(f.field))) std::abort();
    // A building accepted is written back to bytes that read to the same one.
    const Korvel::CheckedBuilding building = Korvel::ReadBuilding(bytes, ",", "f.korvel");
    if (building.error.isEmpty()) {
        const Korvel::CheckedBuilding again =
            Korvel::ReadBuilding(Korvel::WriteBuilding(building.building), ",", "g.korvel");
        if (!again.error.isEmpty() || !(again.building == building.building)) std::abort();
        for (std::size_t w = 0; w < again.building.walls.size(); ++w)
            for (const auto& f : Korvel::InputFields())
                if (std::memcmp(&(again.building.walls[w].record.*(f.field)),
                                &(building.building.walls[w].record.*(f.field)), 8) != 0)
                    std::abort();
    }
    const Korvel::CheckedCalculation first = Korvel::ReadCalculation(bytes, ",");
    if (!first.error.isEmpty()) return 0;
    for (const auto& f : Korvel::InputFields())
        if (!std::isfinite(first.record.*(f.field))) std::abort();
    const Korvel::CheckedCalculation again =
        Korvel::ReadCalculation(Korvel::WriteCalculation(first.calculation), ",");
    // Written, every key stands in the file: every check applies.
    Korvel::Calculation expected = first.calculation;
    expected.checks = {true, true, true};
    if (!again.error.isEmpty() || !(again.calculation == expected)) std::abort();
    for (const auto& f : Korvel::InputFields())
        if (std::memcmp(&(again.record.*(f.field)), &(first.record.*(f.field)), 8) != 0)
            std::abort();
    return 0;
}
