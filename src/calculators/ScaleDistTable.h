#pragma once
// The scaled-distance window as plain functions: the checks of its nine boxes, the
// prediction table of ground vibration or air blast over scaled distances, and the two
// scaled distances of one distance and charge mass. Texts go in, texts come out.

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The nine input boxes, by control name.
struct ScaleDistTexts {
    QString txtK, txtN, txtD, txtQ;
    QString txtDist, txtWeight;
    QString txtMin, txtMax, txtStep;
};

// The first check that fails: its messages and the box that gets the focus ("" for
// none: the numeric check moves no focus).
struct ScaleDistCheckFailure {
    QString control;
    QString english;
    QString greek;
};
std::optional<ScaleDistCheckFailure> FirstScaleDistFailure(const ScaleDistTexts &texts);

// VibrationMode: 0 ground vibration, 1 air blast. CalcMode: 0 the automatic list of
// scaled distances 10 to 100, 1 the user range of txtMin, txtMax and txtStep.
struct PredictionTable {
    std::array<QString, 3> header;              // row 0
    QList<std::array<QString, 3>> rows;         // rows 1.. : number, value, scaled distance
};
constexpr int kMaxPredictionRows = 20;

// The table for the current texts. The user range runs from the minimum by repeated
// single-precision addition of the step while it stays within the maximum, for at most
// 20 rows; the table ends quietly before the first scaled distance that is not above 0
// or whose value a single cannot hold (texts loaded from a file are not checked first).
PredictionTable FillPredictionRows(const ScaleDistTexts &texts, int vibrationMode, int calcMode);

// txtSD (R / sqrt(W)) and txtSDair (R / W^(1/3)), "0.0"; nothing when the mass is not
// above 0 or a result is not a finite single: the boxes then keep their texts.
struct ScaledDistanceTexts {
    QString txtSD;
    QString txtSDair;
};
std::optional<ScaledDistanceTexts> ScaledDistances(const QString &txtDist, const QString &txtWeight);
