// Choosing the compiled-in translation catalogue for a locale.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The resource path of the catalogue for a locale name such as "de_DE": the
// language part before "_" picks French, German, Italian, Portuguese or
// Spanish; every other language gets English.
QString translationResourceFor(const QString &localeName);

// "Rotate 180°" in the system locale's language (not from the catalogues).
QString rotate180Text();
