#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// One row of the word data: a word or phrase with its pronunciation, Chinese translation,
// exam tags, frequency ranks and inflections. Every member has an initializer, so a row can be
// written with only the members that matter ({.word = u"use"_s, .exchange = u"i:using"_s}).
struct EcdictRow {
    QString word = {};
    QString phonetic = {};
    QString definition = {};  // English
    QString translation = {}; // Chinese; lines separated by the two characters "\" and "n"
    QString tag = {};         // space-separated exam tags
    QString exchange = {};    // inflections, "p:kept/d:kept/0:keep"
    bool rated = false;       // has a Collins or Oxford rating
    int bnc = 0;              // 0 = no rank
    int frq = 0;

    bool isPhrase() const { return word.contains(u' '); }
    bool hasAnyTag(const QStringList &tags) const;
    // The smaller positive rank of the two; rows without one rank last.
    int rank() const;
    // The inflection filed under key ("p", "d", "s", "r", "t", "i", "3", "0"); empty if none.
    QString inflection(QChar key) const;
};

// The rows by their word (every word has one row, in one letter case).
QHash<QString, const EcdictRow *> rowsByWord(const std::vector<EcdictRow> &rows);
