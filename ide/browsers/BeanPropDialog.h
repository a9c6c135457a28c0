// CBeanPropDialog: what a double click on a bean property shows: the lines
// "GetMethod  -  " and "SetMethod  -  " with the accessors' names, "None"
// standing for a missing one.
#pragma once

#include <QDialog>
#include <QStringList>

class CBeanProp;

class CBeanPropDialog : public QDialog {
    Q_OBJECT
public:
    CBeanPropDialog(const CBeanProp& prop, QWidget* pParent = nullptr);

    // The two lines for prop.
    static QStringList Lines(const CBeanProp& prop);
};
