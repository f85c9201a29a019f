// The DOM calls of the page's view (declared in dom.h). Elements are kept in
// one list and named by their place in it, so C++ holds plain numbers.
mergeInto(LibraryManager.library, {
  $velmoDom: {
    nodes: [],
    contexts: [],
    root: -1,
    add: function (node) {
      velmoDom.nodes.push(node);
      return velmoDom.nodes.length - 1;
    },
    // The title screen's elements that the page comes with, by id, until the
    // window takes each over.
    prerendered: {},
    // One of them, its attributes gone, for the window to make as it would a
    // new one. Made the same, it looks the same; and no frame shows it half
    // made, as the window makes all it shows first in one task. It stays
    // where it is, its content too where that is what the window makes (see
    // content): an element moved loses the focus, and a press on it, or on
    // text made again, is no click.
    adopt: function (tag, name) {
      var node = velmoDom.prerendered[name];
      if (!node || node.localName !== tag) {
        return null;
      }
      delete velmoDom.prerendered[name];
      while (node.attributes.length) {
        node.removeAttribute(node.attributes[0].name);
      }
      return node;
    },
    // An element's content as `make` makes it in an empty one, left as it
    // is where it is that already. WebKit takes a press for the text under it.
    content: function (node, make) {
      var made = document.createElement('div');
      make(made);
      if (made.innerHTML !== node.innerHTML) {
        node.textContent = '';
        while (made.firstChild) {
          node.appendChild(made.firstChild);
        }
      }
    },
    context: function (canvas) {
      if (!velmoDom.contexts[canvas]) {
        velmoDom.contexts[canvas] = velmoDom.nodes[canvas].getContext('2d', { alpha: false });
      }
      return velmoDom.contexts[canvas];
    },
  },

  velmo_dom_window__deps: ['$velmoDom'],
  velmo_dom_window: function (title, width, height, back) {
    document.title = UTF8ToString(title);
    var root = document.getElementById('window');
    // The title screen the page came with, to be taken over (see velmo_dom_create).
    Array.prototype.slice.call(root.childNodes).forEach(function (node) {
      if (node.id) {
        velmoDom.prerendered[node.id] = node;
      } else {
        node.remove();
      }
    });
    root.style.background = UTF8ToString(back);
    root.setAttribute('aria-label', document.title);
    // index.html's velmoFit keeps the window fitted; the title screen's is
    // already, at its size.
    if (root.style.getPropertyValue('--w') != width || root.style.getPropertyValue('--h') != height) {
      root.style.setProperty('--w', width);
      root.style.setProperty('--h', height);
      velmoFit();
    }
    velmoDom.root = velmoDom.add(root);
    return velmoDom.root;
  },

  // Ends the taking over: the page's elements that the window did not make
  // go. A click or an access key on the title screen before the game was up
  // is played now.
  velmo_dom_prerendered__deps: ['$velmoDom'],
  velmo_dom_prerendered: function (name) {
    var node = velmoDom.prerendered[UTF8ToString(name)];
    return node ? velmoDom.add(node) : -1;
  },

  velmo_dom_press_waiting: function () {
    return Module.pressWaiting && Module.pressWaiting() ? 1 : 0; // index.html's
  },

  velmo_dom_adopted__deps: ['$velmoDom'],
  velmo_dom_adopted: function () {
    Object.keys(velmoDom.prerendered).forEach(function (id) { velmoDom.prerendered[id].remove(); });
    velmoDom.prerendered = {};
    var early = Module.earlyPress && Module.earlyPress();
    if (early && early.isConnected) {
      Promise.resolve().then(function () { early.click(); });
    }
  },

  velmo_dom_create__deps: ['$velmoDom'],
  velmo_dom_create: function (parent, tag, name, cssClass, layer, before) {
    tag = UTF8ToString(tag);
    name = UTF8ToString(name);
    var node = velmoDom.adopt(tag, name);
    if (!node) {
      node = document.createElement(tag);
      velmoDom.nodes[parent].insertBefore(node, before < 0 ? null : velmoDom.nodes[before]);
    }
    node.id = name;
    node.className = UTF8ToString(cssClass);
    node.style.zIndex = layer;
    return velmoDom.add(node);
  },

  velmo_dom_style__deps: ['$velmoDom'],
  velmo_dom_style: function (element, property, value) {
    velmoDom.nodes[element].style.setProperty(UTF8ToString(property), UTF8ToString(value));
  },

  velmo_dom_attribute__deps: ['$velmoDom'],
  velmo_dom_attribute: function (element, name, value) {
    velmoDom.nodes[element].setAttribute(UTF8ToString(name), UTF8ToString(value));
  },

  // In window pixels: the page's CSS puts the edges on screen pixels.
  velmo_dom_box__deps: ['$velmoDom'],
  velmo_dom_box: function (element, left, top, width, height) {
    var s = velmoDom.nodes[element].style;
    s.setProperty('--x', left);
    s.setProperty('--y', top);
    s.setProperty('--w', width);
    s.setProperty('--h', height);
  },

  velmo_dom_screen_scale: function () {
    return velmoFit.per1024; // index.html's, as it last fitted the window
  },

  velmo_dom_on_rescale__deps: ['$velmoDom'],
  velmo_dom_on_rescale: function (rescaled, user) {
    window.velmoRescaled = function () { // index.html's velmoFit calls it
      {{{ makeDynCall('vi', 'rescaled') }}}(user);
    };
  },

  velmo_dom_show__deps: ['$velmoDom'],
  velmo_dom_show: function (element, shown) {
    velmoDom.nodes[element].hidden = !shown;
  },

  velmo_dom_text__deps: ['$velmoDom'],
  velmo_dom_text: function (element, text) {
    text = UTF8ToString(text);
    velmoDom.content(velmoDom.nodes[element], function (node) { node.textContent = text; });
  },

  velmo_dom_caption__deps: ['$velmoDom'],
  velmo_dom_caption: function (element, text, keyAt) {
    velmoDom.content(velmoDom.nodes[element], function (node) {
      node.textContent = UTF8ToString(text, keyAt < 0 ? undefined : keyAt);
      if (keyAt >= 0) {
        var key = document.createElement('u');
        key.textContent = UTF8ToString(text + keyAt, 1);
        node.appendChild(key);
        node.appendChild(document.createTextNode(UTF8ToString(text + keyAt + 1)));
      }
    });
  },

  velmo_dom_focus_ring__deps: ['$velmoDom'],
  velmo_dom_focus_ring: function (element) {
    velmoRing(velmoDom.nodes[element]); // index.html's
  },

  velmo_dom_canvas_size__deps: ['$velmoDom'],
  velmo_dom_canvas_size: function (canvas, width, height) {
    var node = velmoDom.nodes[canvas];
    // Any size set, even the same, drops the bitmap and the browser's
    // resources for it.
    if (node.width === width && node.height === height) {
      return 0;
    }
    node.width = width;
    node.height = height;
    return 1;
  },

  velmo_dom_put_pixels__deps: ['$velmoDom'],
  velmo_dom_put_pixels: function (canvas, rgba, left, top, width, height) {
    var pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    velmoDom.context(canvas).putImageData(new ImageData(pixels, width, height), left, top);
  },

  // Measured where it stands, in the window's own layout: cheaper at start
  // than a canvas of its own. The font given is at its size in window
  // pixels, not the window's scale, and nothing transforms the window, so
  // its CSS pixels are the window's pixels whatever the screen.
  velmo_dom_text_width__deps: ['$velmoDom'],
  velmo_dom_text_width: function (element, font) {
    var node = velmoDom.nodes[element];
    var range = document.createRange();
    node.style.font = UTF8ToString(font);
    range.selectNodeContents(node);
    return Math.round(range.getBoundingClientRect().width);
  },

  velmo_dom_when_fonts_loaded: function (fonts, done, user) {
    var faces = UTF8ToString(fonts).split('\n').filter(function (f) { return f; });
    var call = function () { {{{ makeDynCall('vi', 'done') }}}(user); };
    Promise.all(faces.map(function (f) { return document.fonts.load(f); })).then(call, call);
  },

  // A frame's callbacks run before it is drawn; a task queued from one runs
  // after, when the player already sees it.
  velmo_dom_after_frame: function (done, user) {
    requestAnimationFrame(function () {
      setTimeout(function () { {{{ makeDynCall('vi', 'done') }}}(user); }, 0);
    });
  },

  velmo_dom_mark: function (name) {
    performance.mark(UTF8ToString(name));
  },

  velmo_dom_focused__deps: ['$velmoDom'],
  velmo_dom_focused: function (element) {
    return document.activeElement === velmoDom.nodes[element] ? 1 : 0;
  },

  velmo_dom_focus__deps: ['$velmoDom'],
  velmo_dom_focus: function (element) {
    // The window never scrolls, not even to show the focus.
    velmoDom.nodes[element].focus({ preventScroll: true });
  },

  velmo_dom_blur__deps: ['$velmoDom'],
  velmo_dom_blur: function (element) {
    velmoDom.nodes[element].blur();
  },

  velmo_dom_on_click__deps: ['$velmoDom'],
  velmo_dom_on_click: function (element, clicked, user) {
    velmoDom.nodes[element].addEventListener('click', function () {
      {{{ makeDynCall('vi', 'clicked') }}}(user);
    });
  },

  velmo_dom_on_access_key: function (pressed, user) {
    document.addEventListener('keydown', function (e) {
      var letter = velmoAccessKey(e); // index.html's, which also keeps one pressed before the game is up
      if (letter && {{{ makeDynCall('iii', 'pressed') }}}(user, letter.toLowerCase().charCodeAt(0))) {
        e.preventDefault();
      }
    });
  },

  velmo_dom_report: function (message) {
    var text = UTF8ToString(message);
    console.error(text);
    alert(text);
  },
});
