#pragma once
// A topic unit described as data: its title, page counts, the places of its
// pictures, and its two activities with every label's tray place, box and
// leader line, or every step's or sentence's tray place and box. The content
// script writes it as units\<slug>\unit.txt, one tab-separated line per item
// (content-src/units/README.md); the unit's other files are named by its slug.
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

// One label, step or sentence: label i belongs in box i.
struct UnitItem {
    QString text;
    QPointF tray; // its place in the tray (twips, top-left corner)
    QPointF box;  // its box
    QLineF leader;      // labelling: from the box to the part it names
    QString caption;    // ordering: shown beside the box
    QPointF captionAt;
    int group = -1;     // sorting: 0 false, 1 true; -1: the item's own
};

struct UnitActivity {
    QString instruction;
    std::vector<UnitItem> items;
};

struct UnitDescription {
    QString slug;  // lower-case letters only
    QString title; // the main menu entry's caption
    int keyFactsPages = 0;
    int notesPages = 0;
    QRectF menuPicture;
    QRectF labellingPicture;
    UnitActivity labelling;
    UnitActivity ordering; // steps, or true and false sentences
    bool sorting = false;  // true/false sentences rather than steps

    // A content path of one of the unit's own files: units\<slug>\name.
    QString file(const QString &name) const;
};

// Why a description could not be used: the message names the file.
struct UnitProblem {
    QString message;
};

// Reads units\<slug>\unit.txt from the content. A missing, oversized or
// malformed file gives a problem, never a partial description.
std::variant<UnitDescription, UnitProblem> readUnitDescription(const QString &slug);
// The same checks on the file's bytes; where names the file in messages.
std::variant<UnitDescription, UnitProblem> parseUnitDescription(const QByteArray &bytes, const QString &slug,
                                                                const QString &where);
