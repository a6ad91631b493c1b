#pragma once

#include "drill/MasteryMap.h"

#include <QDialog>

class QPushButton;

namespace kelvo {

// The map painted to fill the widget; the hover names a fact's state and time.
class CMasteryMapView : public QWidget {
public:
    CMasteryMapView(CMasteryMap map, QString strTitle, QWidget* parent = nullptr);

    const CMasteryMap& Map() const { return m_map; }
    // On the page of the printer, as on the screen.
    void Print(QPaintDevice& page) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF Area() const;

    CMasteryMap m_map;
    QString m_strTitle;
};

// 掌握情况: the current child's mastery of the kind's facts, coloured by state;
// "打印..." puts the same map on paper; "弱项练习卷" asks for a sheet of the
// weak facts, "录入纸上答题..." for the marks of that sheet done on paper.
class frmMasteryMap : public QDialog {
    Q_OBJECT

public:
    frmMasteryMap(CMasteryMap map, const QString& strTitle, QWidget* parent);

    CMasteryMapView* picMap = nullptr;
    // The training window makes the sheet.
    QPushButton* cmdWeakSheet = nullptr;
    QPushButton* cmdPaperAnswers = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void PrintMap();
};

} // namespace kelvo
