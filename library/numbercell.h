#pragma once

#include <QString>

// A number shown in an editor cell with two decimals. Reading back a text the
// user did not change gives the exact value it was made from, so that opening
// and confirming an editor never rounds the stored values.
struct NumberCell {
    QString text;
    float value = 0.0f;
    QString shownText;

    static NumberCell shown(float value);
    static NumberCell typed(const QString &text);

    bool changed() const { return shownText.isNull() || text != shownText; }
    // The leading number of a changed text (0 when there is none).
    float number() const;
};
