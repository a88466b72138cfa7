#pragma once
// Declares a data table's columns in one line: columns<int, QString>("lines", "title").
#include <QtTest>

template <typename... Types, typename... Names> void columns(Names... names) { (QTest::addColumn<Types>(names), ...); }
