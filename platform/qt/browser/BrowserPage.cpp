#include "BrowserPage.h"

#include <QUuid>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace quillmark::qt {

namespace {

// Runs in each child frame, apart from the page's own scripts.
QString frameScript(const QString& token) {
    return QStringLiteral(
               "(function () {"
               "  if (window.top === window) return;"
               "  var report = function () { console.log('%1'); };"
               "  if (document.readyState === 'complete') report();"
               "  else window.addEventListener('load', report);"
               "})();")
        .arg(token);
}

}  // namespace

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), token_(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    QWebEngineScript script;
    script.setName(QStringLiteral("quillmark-frame-loaded"));
    script.setSourceCode(frameScript(token_));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    scripts().insert(script);
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                           int lineNumber, const QString& sourceId) {
    if (message == token_) {
        emit frameLoaded();
        return;
    }
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
}

}  // namespace quillmark::qt
