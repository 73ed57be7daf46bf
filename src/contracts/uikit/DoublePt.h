#pragma once
// A point of two doubles, X then Y. Readings travel as arrays of these, the reading in y.

struct CDoublePt {
    double x;
    double y;

    CDoublePt() : x(0.0), y(0.0) {}
    CDoublePt(double xValue, double yValue) : x(xValue), y(yValue) {}
};
