// The page's start, from its first byte to its first click, top to bottom.
// The page comes with the whole window as markup, every control as the game
// makes it (written at build time), so the browser draws the title screen as
// soon as its fonts are in. Before that first frame this script fits the
// window to the screen; it takes every press on the window from then on and
// keeps it until the game is up; it fetches and compiles the game meanwhile,
// and says in words where the game cannot run. The game (velmo.js, whose DOM
// calls are dom.js) then finds its elements, takes the presses kept, and
// answers each later one the same way. Once the page has loaded, a service
// worker keeps its files for playing offline.
"use strict";
var velmo = (function () {
  var root = document.getElementById("window"), room = document.documentElement;
  var page = { per1024: 0, presses: [], take: null, rescaled: null };

  // Where a window pixel's edge falls on the screen at per1024 screen pixels
  // a window pixel, in 1024ths: halves up, as the page's CSS rounds it, and
  // as the game does (ScreenScale::edge).
  page.edge = function (per1024) {
    return function (v) { return Math.floor((v * per1024 + 512) / 1024); };
  };

  // A button's focus ring, a bitmap of its box on the screen, so that each
  // dot is a stroke wide wherever it falls, from the dots of its data-ring in
  // window pixels; decoded as soon as it is made and kept: a vector image,
  // or one first decoded when the focus comes, would cost the frame that
  // shows the focus. Buttons of a size and an ink share theirs, at the scale
  // last fitted. Drawn in a task after the fit's, and encoded as the browser
  // finds time, not before the first frame: a phone at a quarter of a
  // laptop's speed takes some 30 ms over the twelve.
  var rings = {};
  function ring(button) {
    var s = button.style, at = function (v) { return parseInt(s.getPropertyValue(v), 10); };
    var per1024 = page.per1024, edge = page.edge(per1024), stroke = Math.max(1, edge(1)), x = at("--x"), y = at("--y");
    var box = [edge(x + at("--w")) - edge(x), edge(y + at("--h")) - edge(y)];
    button.getAttribute("data-ring").split(" ").forEach(function (dot) {
      dot = dot.split(",");
      box.push(edge(x + +dot[0]) - edge(x), edge(y + +dot[1]) - edge(y));
    });
    var key = s.color + box, made = rings[key];
    if (made) {
      return made.url ? s.setProperty("--ring", made.url) : made.buttons.push(button);
    }
    made = rings[key] = { url: null, buttons: [button] };
    var canvas = document.createElement("canvas"), g;
    canvas.width = box[0];
    canvas.height = box[1];
    g = canvas.getContext("2d");
    g.fillStyle = s.color;
    for (var i = 2; i < box.length; i += 2) {
      g.fillRect(box[i], box[i + 1], stroke, stroke);
    }
    canvas.toBlob(function (png) {
      var url = URL.createObjectURL(png), image = new Image();
      if (page.per1024 !== per1024) {
        return URL.revokeObjectURL(url); // fitted anew meanwhile
      }
      image.src = url;
      image.decode().catch(function () {});
      made.url = 'url("' + url + '")';
      made.buttons.forEach(function (b) { b.style.setProperty("--ring", made.url); });
    });
  }

  // Where the viewport holds the window, at scale 1 (or at a whole multiple
  // where it holds that many times as much), so that its pixels are the
  // screen's CSS pixels; as large as it fits where it does not, as on a
  // phone. Then a whole number of screen pixels a window pixel, where one is
  // within 15 % of that and fits: every picture pixel a block of pixels,
  // where between whole numbers each screen pixel on a picture pixel's edge
  // blends it with its neighbour. In 1024ths, which CSS and the game round
  // alike. Placed at a whole screen pixel, before the first frame; again
  // where the viewport or the screen changes (a pinch-zoom changes neither).
  var media = null;
  function fit() {
    var ratio = window.devicePixelRatio || 1;
    var width = parseInt(root.style.getPropertyValue("--w"), 10), height = parseInt(root.style.getPropertyValue("--h"), 10);
    var most = Math.min(room.clientWidth / width, room.clientHeight / height) * ratio;
    var k = most >= ratio ? Math.floor(most / ratio) * ratio : most, whole = Math.round(k);
    if (whole >= 1 && whole <= most && Math.abs(whole - k) <= 0.15 * k) {
      k = whole;
    }
    var per1024 = Math.max(1, Math.floor(k * 1024)), edge = page.edge(per1024);
    root.style.setProperty("--k", per1024 / 1024);
    root.style.setProperty("--r", 1 / ratio);
    root.style.setProperty("--s", per1024 / 1024 / ratio);
    root.style.left = Math.max(0, Math.floor((room.clientWidth * ratio - edge(width)) / 2)) / ratio + "px";
    root.style.top = Math.max(0, Math.floor((room.clientHeight * ratio - edge(height)) / 2)) / ratio + "px";
    // It comes hidden, so that reading the viewport's size first lays out
    // nothing of it: it is laid out once, fitted, for the first frame.
    root.hidden = false;
    // A zoom, or the window moved to another screen, changes the ratio.
    if (media) {
      media.removeEventListener("change", fit);
    }
    media = matchMedia("(resolution: " + ratio + "dppx)");
    media.addEventListener("change", fit);
    if (page.per1024 !== per1024) {
      page.per1024 = per1024;
      Object.keys(rings).forEach(function (key) {
        if (rings[key].url) {
          URL.revokeObjectURL(rings[key].url.slice(5, -2));
        }
      });
      rings = {};
      setTimeout(function () {
        Array.prototype.forEach.call(root.querySelectorAll("button[data-ring]"), ring);
      });
    }
    if (page.rescaled) {
      page.rescaled();
    }
  }
  fit();
  addEventListener("resize", fit);

  // Every press, one way in: a click on a button of the window (by mouse,
  // touch or the keyboard's Space and Enter), and an access key: the keys a
  // button of the window names in its aria-keyshortcuts ("Alt+S": Alt and
  // S, with Shift or without, but not with Ctrl, Meta or AltGr, which types
  // characters on many layouts), shown or not, which the browser never
  // gets; a held key's repeats are kept from it too, and press nothing
  // more. By the key's place, not its character: Alt changes the character
  // on some layouts.
  function press(what) {
    if (page.take) {
      page.take(what);
    } else {
      page.presses.push(what);
    }
  }
  function click(e) {
    var button = e.target.closest("button");
    if (button) {
      press(button);
    }
  }
  var modifiers = [["Control", "ctrlKey"], ["Alt", "altKey"], ["Meta", "metaKey"], ["AltGraph"]];
  function key(e) {
    var m = /^Key([A-Z])$/.exec(e.code);
    if (!m) {
      return;
    }
    var chord = modifiers.filter(function (k) { return k[1] ? e[k[1]] : e.getModifierState(k[0]); })
      .map(function (k) { return k[0]; }).concat(m[1]).join("+");
    if (root.querySelector('button[aria-keyshortcuts="' + chord + '"]')) {
      e.preventDefault();
      if (!e.repeat) {
        press(m[1].toLowerCase());
      }
    }
  }
  root.addEventListener("click", click);
  document.addEventListener("keydown", key);

  // Where the game cannot start, the page says so and why, in words, as it
  // does without JavaScript, and leaves the keys to the browser: no window
  // that would never answer.
  var message = document.querySelector("body > noscript");
  function cannotRun(why) {
    root.removeEventListener("click", click);
    document.removeEventListener("keydown", key);
    root.style.display = "none";
    var words = document.createElement("p");
    words.style.color = "#fff";
    words.textContent = why;
    message.after(words);
  }
  if (typeof WebAssembly !== "object") {
    // As without JavaScript (Safari's Lockdown Mode has no WebAssembly).
    cannotRun(message.textContent.replace(/<[^>]*>/g, ""));
    return page;
  }

  // The WebAssembly compiles from the start, while the title screen comes,
  // off the main thread where the browser can; by a plain compile where the
  // host does not call it WebAssembly. A broken transfer or a mangling proxy
  // cuts it short; a browser without a feature it needs cannot link it.
  function fetched(r) {
    if (!r.ok) {
      throw new Error("velmo.wasm: " + r.status + " " + r.statusText);
    }
    return r;
  }
  var wasm = WebAssembly.compileStreaming(fetch("velmo.wasm").then(fetched)).catch(function () {
    return fetch("velmo.wasm").then(fetched).then(function (r) { return r.arrayBuffer(); }).then(WebAssembly.compile);
  });
  function failed(e) {
    cannotRun("Velmo cannot run here: " + (e instanceof WebAssembly.CompileError
      ? "its WebAssembly (velmo.wasm) did not compile. It may have been cut short on the way; reloading may help. (" + e.message + ")"
      : e instanceof WebAssembly.LinkError ? "this browser lacks a feature of WebAssembly that the game needs. (" + e.message + ")"
      : "its WebAssembly (velmo.wasm) could not be fetched. (" + e.message + ")"));
  }
  wasm.catch(failed);
  // What velmo.js, emscripten's, reads as it starts.
  window.Module = {
    instantiateWasm: function (imports, done) {
      wasm.then(function (module) {
        WebAssembly.instantiate(module, imports).then(function (instance) { done(instance, module); }, failed);
      }, function () {});
      return {};
    },
    onAbort: function (what) { cannotRun("Velmo cannot run here: the game stopped as it started. (" + what + ")"); }
  };
  var script = document.createElement("script");
  script.src = "velmo.js";
  script.onerror = function () { cannotRun("Velmo cannot run here: its script (velmo.js) could not be fetched."); };
  document.body.appendChild(script);

  // Kept for playing offline once the page is up; where a browser keeps
  // nothing for a page (a plain http host that is not this machine), it
  // plays online.
  if ("serviceWorker" in navigator) {
    addEventListener("load", function () { navigator.serviceWorker.register("service-worker.js"); });
  }
  return page;
})();
