#pragma once

#include <QList>
#include <QString>

namespace rinolux {

// Message texts carry a small markup: "<#>" starts a new row of text blocks, "<|>" puts
// the next block to the right of the previous one, and a pair of form feeds (code 12)
// encloses a bold passage. Texts that come from the disk (names, paths, file contents)
// must pass through DialogMaskieren before they are joined into such a text, so that a
// name holding a marker or a form feed is shown as it is.

// The standard list of possible failure reasons, lines joined with CR LF.
QString Fehler_MoeglicheGruende();

// Makes a text from the disk safe for the markup: "<" becomes "<<>" and a form feed
// becomes "<f>"; both are shown literally (the form feed as its visible control picture).
QString DialogMaskieren(const QString &text);

struct DialogAbschnitt
{
    QString text;
    bool fett = false;
};

// One text block: its passages in order, with CR LF (or LF) line breaks kept in the text.
using DialogBlock = QList<DialogAbschnitt>;
// Rows of blocks, top to bottom; blocks of a row left to right.
using DialogZeilen = QList<QList<DialogBlock>>;

// Splits a message text into rows and blocks with their bold passages. An empty text
// gives one empty block; every marker has a (possibly empty) block on each side. Within
// a block, form feeds pair up from the left; an unpaired last one is dropped and makes
// nothing bold.
DialogZeilen DialogZerlegen(const QString &text);

// The plain text of a block (form feeds removed), as its height is measured.
QString DialogBlockText(const DialogBlock &block);

} // namespace rinolux
