#pragma once
// Charts drawn into page texts as pictures: a line chart (values joined by
// 4-pixel lines with round markers) or grouped bars, one colour per series,
// over the labelled categories, with a value axis, four gridlines and, when
// asked, a legend of the series names on the right.
#include "report/ReportServices.h"

#include <QPainter>
#include <QSize>

#include <string>

// The top of the value axis: the smallest power of ten (at least 1) not below
// the largest value, halved up to three times while half of it still exceeds
// that value.
double ChartAxisTop(double largestValue);

// The chart over the whole of `size`, white behind it.
void PaintChart(QPainter& painter, const TChartRequest& chart, QSize size);

// A metafile of the request's pixel size holding the chart.
std::string ChartMetafileBytes(const TChartRequest& chart);
