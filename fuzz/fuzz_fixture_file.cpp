// Reading a fixture definition file: any bytes are read or refused with a
// message, never half taken; what is read patches a table exactly as its
// modes say; and no document that declares entities is ever read.

#include "FuzzCheck.h"

#include "fixtures/FixtureFile.h"

#include <cstdint>

using namespace vantorel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const FixtureFileLoad load = readFixtureDefinition(bytes, QStringLiteral("fuzz.qxf"));
    FUZZ_CHECK(load.ok() == load.message.isEmpty());
    FUZZ_CHECK(load.ok() != load.fixture.modes.empty());
    for (const FixtureMode& mode : load.fixture.modes) {
        const FixturePatch patch = patchFixture({}, mode, 1, "F", false);
        const bool fits = !mode.channels.empty() && mode.channels.size() <= size_t(kLastDmxChannel);
        FUZZ_CHECK(patch.ok() == fits);
        FUZZ_CHECK(patch.ok() == patch.problem.message.empty());
        if (patch.ok())
            FUZZ_CHECK(patch.rows.size() == mode.channels.size() && size_t(patch.added) == mode.channels.size());
    }
    // The same bytes read the same way.
    const FixtureFileLoad again = readFixtureDefinition(bytes, QStringLiteral("fuzz.qxf"));
    FUZZ_CHECK(again.message == load.message && again.fixture.modes.size() == load.fixture.modes.size());
    // Behind a document type that declares an entity, nothing is ever read.
    const FixtureFileLoad declared
        = readFixtureDefinition("<!DOCTYPE FixtureDefinition [<!ENTITY e \"x\">]>" + bytes, QStringLiteral("fuzz.qxf"));
    FUZZ_CHECK(!declared.ok() && declared.fixture.modes.empty());
    return 0;
}
