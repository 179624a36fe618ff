#pragma once

#include <QRandomGenerator>
#include <QString>

#include "session_recorder.h"

namespace vellorin::bench {

// A CO2 session of eight holds, four a day, with the first contraction coming later week by
// week.
SessionRecord GeneratedSession(int index, QRandomGenerator& random);

// Writes a training log of that many generated sessions to path (its folder made), as the
// program writes it but without a sync after each session. False when it could not.
bool WriteGeneratedLog(const QString& path, int sessions);

}  // namespace vellorin::bench
