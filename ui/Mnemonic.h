#pragma once
// Keyboard mnemonics for captions that come from the texts, which carry none: the first
// occurrence of key in the caption is underlined; a caption without it (a Japanese one) gets
// "(&K)" appended, as Japanese dialogs do.
#include <QString>

QString WithMnemonic(const QString& caption, QChar key);
