// The page's own sentences in English and in each language with a catalog, for where the
// calculator cannot start: a browser too old for the renderer, or one without WebAssembly. It
// runs before the module and the renderer, and is written for the oldest browsers that run
// scripts at all. The user's languages and the one chosen from them are the renderer's too.
var ondaviPage = (function (texts) {
  "use strict";
  // ?lang=fr in the address (for a shared link), or the browser's languages in order.
  var asked = /[?&]lang=([^&#]*)/.exec(location.search);
  if (asked) {
    asked = asked[1].replace(/\+/g, " ");
    try {
      asked = decodeURIComponent(asked);
    } catch (error) {
      // not in URL encoding: taken as it stands
    }
  }
  var preferred = asked
    ? [asked]
    : navigator.languages || [navigator.language || navigator.userLanguage || "en"];

  // The language of texts for one preference, as the module chooses its catalog: the language
  // and region ("pt_BR.UTF-8" and "pt-br" are "pt_BR"), the language alone, then the language in
  // another region ("pt_PT" finds "pt_BR").
  function languageFor(preference) {
    var parts = String(preference).split(/[.@]/)[0].replace(/-/g, "_").split("_");
    var language = parts[0];
    var region = parts.slice(1).join("_").toUpperCase();
    var name = region ? language + "_" + region : language;
    if (!language || name === "C" || name === "POSIX") return null;
    if (texts.hasOwnProperty(name)) return name;
    if (texts.hasOwnProperty(language)) return language;
    for (var code in texts) {
      if (texts.hasOwnProperty(code) && code.split("_")[0] === language) return code;
    }
    return null;
  }
  function choose(preferences) {
    for (var i = 0; i < preferences.length; ++i) {
      var language = languageFor(preferences[i]);
      if (language) return language;
    }
    return "en";
  }

  // The note that shows when the page has not started, in the user's language.
  var language = choose(preferred);
  var note = document.getElementById("unsupported");
  if (note) {
    note.innerHTML = "";
    note.appendChild(document.createTextNode(texts[language].notStarted));
    note.lang = language.replace("_", "-");
  }
  return { asked: asked, preferred: preferred, language: language, texts: texts };
})(/*@TABLE@*/);
