#pragma once

#include <QString>
#include <QWebEnginePage>

class QWebEngineProfile;

namespace quillmark::qt {

// A page that tells when one of its frames has loaded. The engine has no
// signal for frames, so a script injected into every child frame writes a
// private token to the console when its frame's load event fires; the page
// turns that line into frameLoaded() and keeps it out of the console.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT

public:
    BrowserPage(QWebEngineProfile* profile, QObject* parent);

signals:
    void frameLoaded();

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceId) override;

private:
    // Unguessable, so a page cannot fake a frame load by logging the token.
    QString token_;
};

}  // namespace quillmark::qt
