#pragma once

#include "alarm/alarmfile.h"
#include "settings/savesequence.h"

// The two settings sets and the two alarms the saver alternates between.
inline const savesequence::Choices kSettings[2] = {
    {1, true, QStringLiteral("/home/kari/My Music/morning.mp3"), 7, false},
    {2, true, QStringLiteral("/lyd/å vekke.wav"), 100, true}};
inline const alarmfile::Alarm kAlarms[2] = {
    {QTime(7, 0), 1, QStringLiteral("Første linje\nandre = ; #\n\ttredje"), true},
    {QTime(23, 59, 59), 0, QStringLiteral("Bus"), false}};
