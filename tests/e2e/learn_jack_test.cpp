// MIDI learn over a real JACK server: a test client plays each gesture into
// the port learn listens to; the learning's clock is virtual, so the quiet
// time and the nothing time are exact whatever the machine's load.

#include "learn/LearnSession.h"
#include "midi/MidiBackend.h"

#include "../support/LearnGestures.h"
#include "JackFeeder.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantorel;

TEST(LearnOverJack, EveryGestureGivesExactlyItsRow)
{
    QFile server(qEnvironmentVariable("VANTOREL_E2E_RUN_DIR") + "/server");
    ASSERT_TRUE(server.open(QIODevice::ReadOnly)) << "no JACK fixture";
    qputenv("JACK_DEFAULT_SERVER", server.readAll().trimmed());
    qputenv("JACK_NO_START_SERVER", "1");
    const auto created = createRtMidiBackend(MidiApi::Jack);
    ASSERT_TRUE(created) << created.error().message;
    const std::shared_ptr<MidiBackend>& jack = *created;
    JackFeeder feeder;
    const QString port = QStringLiteral("feeder:out");

    for (const LearnGesture& gesture : learnGestures()) {
        SCOPED_TRACE(gesture.name);
        LearnSession session(*jack);
        qint64 now = 0;
        session.setClock([&] { return now; });
        int counted = 0;
        std::optional<GestureRecorder::Outcome> outcome;
        QString message;
        QObject::connect(&session, &LearnSession::messageCounted, [&](int count) { counted = count; });
        QObject::connect(&session, &LearnSession::finished,
                         [&](const GestureRecorder::Outcome& result, const QString& text) {
                             outcome = result;
                             message = text;
                         });
        const Result<void> started = session.start(port);
        ASSERT_TRUE(started) << started.error().message;

        GestureRecorder expected;
        for (const auto& bytes : gesture.messages) {
            feeder.send(bytes);
            expected.take(bytes.data(), bytes.size());
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return counted == expected.count(); }, 10000)) << counted;
        // Not a moment before its time.
        const int wait = expected.count() > 0 ? LearnSession::kQuietMs : LearnSession::kNothingMs;
        now += wait - 1;
        session.checkTime();
        EXPECT_FALSE(outcome.has_value());
        now += 1;
        session.checkTime();
        ASSERT_TRUE(outcome.has_value());
        EXPECT_EQ(outcome->status, gesture.status);
        if (gesture.status == GestureRecorder::Outcome::Status::Learned) {
            EXPECT_EQ(outcome->mapping, gesture.mapping);
        } else if (gesture.status == GestureRecorder::Outcome::Status::Mixed) {
            EXPECT_EQ(message.toStdString(), gesture.message);
        } else {
            EXPECT_EQ(message, "Nothing received from feeder:out.");
        }
        EXPECT_FALSE(session.active());
    }
}
