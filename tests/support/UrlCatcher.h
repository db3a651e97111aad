#pragma once
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop's browser while it lives: every address the program hands to the
// desktop for one of the given schemes is recorded instead of opened.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(const QStringList& schemes = {QStringLiteral("https")});
    ~UrlCatcher() override;

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url);

private:
    QStringList m_schemes;
};
