#pragma once

#include <QString>

// The program-wide search state, shared by every document window.
struct FindState {
    QString text;            // what is searched for
    int matchCase = 0;       // non-zero: exact case; 0: upper-case forms compared
    int direction = 1;       // 1: down, towards the end; any other value: up
    qsizetype lastPos = 0;   // the editor's selection start just after the last search
    bool firstTime = false;  // true from opening the Find dialog until its first search
};
