#pragma once
// What looks wrong in a built dialog: texts that need more room than their
// control has (with the fonts of this machine), and visible controls that
// overlap. One line per problem, naming the control id.

#include <QDialog>
#include <QStringList>

QStringList FindLayoutProblems(const QDialog& dialog);
