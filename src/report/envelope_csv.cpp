#include "report/envelope_csv.h"

#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/units.h"

namespace vendrix {

std::string envelopeCsvText(const FillingEnvelope &envelope, UnitSystem units)
{
    const UnitFactors f = UnitFactors::forSettings(units);
    // Plain ASCII units so that any spreadsheet reads the header alike.
    const char *pressure = units == UnitSystem::English ? "psi" : "kPa";
    const char *length = units == UnitSystem::English ? "ft" : "m";
    const char *area = units == UnitSystem::English ? "ft^2" : "m^2";
    const char *tension = units == UnitSystem::English ? "lb/ft" : "kN/m";
    std::string text = formatC("Pumping pressure [%s],Maximum height [%s],Maximum width [%s],"
                               "Base width [%s],Storage area [%s],Working tension [%s],"
                               "Required ultimate strength circumferential [%s],"
                               "Required ultimate strength axial [%s],"
                               "Tension / allowable [-],Safe limit\n",
                               pressure, length, length, length, area, tension, tension, tension);
    const bool found = envelope.state == SafeLimitState::Found;
    for (const EnvelopePoint &p : envelope.points) {
        const bool isLimit = found && p.pumpingPressure == envelope.safeLimit.pumpingPressure;
        text += formatC(
            "%.10g,%.10g,%.10g,%.10g,%.10g,%.10g,%.10g,%.10g,%.10g,%s\n",
            p.pumpingPressure * f.pumpingPressure, p.maxHeight * f.length, p.maxWidth * f.length,
            p.baseWidth * f.length, p.area * f.area, p.workingTension * f.forcePerLength,
            p.ultimateStrengthCircumferential * f.forcePerLength,
            p.ultimateStrengthAxial * f.forcePerLength, p.tensionRatio, isLimit ? "yes" : "");
    }
    return text;
}

std::optional<Failure> writeEnvelopeCsvFile(const std::filesystem::path &path,
                                            const FillingEnvelope &envelope, UnitSystem units)
{
    return writeFileAtomically(path, envelopeCsvText(envelope, units));
}

} // namespace vendrix
