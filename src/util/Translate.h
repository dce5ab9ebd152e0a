#pragma once

// Marks a text of the plain C++ code for translation without translating it:
// the expression is the English text itself. The Qt edge looks the text up
// under `context` (errorText() does so for an Error), and lupdate collects it
// as it collects QT_TRANSLATE_NOOP, so both arguments must be string literals:
//
//   return markedError("vantorel::MidiPorts",
//       VANTOREL_TRANSLATE_NOOP("vantorel::MidiPorts", "There is no MIDI input port %1."), number);
#define VANTOREL_TRANSLATE_NOOP(context, text) text
