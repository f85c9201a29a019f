// The DOM calls of the page's view (declared in dom.h). Elements are kept in
// one list and named by their place in it, so C++ holds plain numbers.
mergeInto(LibraryManager.library, {
  $velmoDom: {
    nodes: [],
    contexts: [],
    rings: [],
    root: -1,
    understudies: [],
    // An understudy's canvases by their controls' names.
    drawn: {},
    add: function (node) {
      velmoDom.nodes.push(node);
      return velmoDom.nodes.length - 1;
    },
    // The title screen's elements that the page comes with, by id, until the
    // window takes each over; the signatures of the window and of those taken,
    // as they came, and those elements.
    prerendered: {},
    before: [],
    adopted: [],
    // One of them, emptied, for the window to make as it would a new one.
    // Made the same, it looks the same; and no frame shows it empty, as the
    // window makes all it shows first in one task.
    adopt: function (tag, name) {
      var node = velmoDom.prerendered[name];
      if (!node || node.localName !== tag) {
        return null;
      }
      delete velmoDom.prerendered[name];
      velmoDom.before.push(velmoDom.signature(node));
      velmoDom.adopted.push(node);
      while (node.attributes.length) {
        node.removeAttribute(node.attributes[0].name);
      }
      node.textContent = '';
      return node;
    },
    // What an element is, in terms the browser has normalised: its tag,
    // attributes, declared styles (less where the window is placed) and content.
    signature: function (node) {
      var style = node.style, declared = [];
      for (var i = 0; i < style.length; ++i) {
        var placed = node.id === 'window' && /^(left|top|--k|--r|--s)$/.test(style[i]);
        if (!placed) {
          declared.push(style[i] + ':' + style.getPropertyValue(style[i]));
        }
      }
      var attributes = Array.prototype.filter.call(node.attributes, function (a) { return a.name !== 'style'; })
        .map(function (a) { return a.name + '=' + a.value; });
      return [node.localName, attributes.sort().join(' '), declared.sort().join(';'),
              node.id === 'window' ? '' : node.innerHTML].join('|');
    },
    // The window's scale as index.html's velmoFit set it: screen pixels a
    // window pixel in 1024ths, and where a window pixel's edge falls on the
    // screen, as the page's CSS rounds it.
    scale: function () {
      var root = document.getElementById('window').style;
      var per1024 = Math.round(parseFloat(root.getPropertyValue('--k') || '1') * 1024);
      return {per1024: per1024, edge: function (v) { return Math.floor((v * per1024 + 512) / 1024); }};
    },
    // The focus ring of a button, a bitmap of its box on the screen, so that
    // each dot is a stroke wide wherever it falls; decoded at once and kept:
    // a vector image, or one first decoded when the focus comes, would cost
    // the frame that shows the focus.
    drawRing: function (ring) {
      var scale = velmoDom.scale(), edge = scale.edge, stroke = Math.max(1, edge(1));
      var canvas = document.createElement('canvas');
      canvas.width = edge(ring.left + ring.width) - edge(ring.left);
      canvas.height = edge(ring.top + ring.height) - edge(ring.top);
      var g = canvas.getContext('2d');
      g.fillStyle = ring.colour;
      for (var i = 0; i < ring.xy.length; i += 2) {
        g.fillRect(edge(ring.left + ring.xy[i]) - edge(ring.left), edge(ring.top + ring.xy[i + 1]) - edge(ring.top),
                   stroke, stroke);
      }
      var url = canvas.toDataURL();
      ring.node.style.setProperty('--ring', 'url("' + url + '")');
      ring.image = new Image();
      ring.image.src = url;
      ring.image.decode().catch(function () {});
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
    velmoDom.before = [velmoDom.signature(root)];
    Array.prototype.slice.call(root.childNodes).forEach(function (node) {
      if (node.id) {
        velmoDom.prerendered[node.id] = node;
      } else {
        node.remove();
      }
    });
    root.style.setProperty('--w', width);
    root.style.setProperty('--h', height);
    root.style.background = UTF8ToString(back);
    root.setAttribute('aria-label', document.title);
    velmoFit(); // index.html's, which keeps the window fitted
    velmoDom.root = velmoDom.add(root);
    return velmoDom.root;
  },

  // Ends the taking over: the page's elements that the window did not make go,
  // and where the title screen the page came with is not the window's, the
  // console says so, with the window's own, for index.html. A click or an
  // access key on the title screen before the game was up is played now.
  velmo_dom_adopted__deps: ['$velmoDom'],
  velmo_dom_adopted: function () {
    var root = velmoDom.nodes[velmoDom.root];
    var stale = Object.keys(velmoDom.prerendered);
    stale.forEach(function (id) { velmoDom.prerendered[id].remove(); });
    var now = [velmoDom.signature(root)].concat(velmoDom.adopted.map(velmoDom.signature));
    if (stale.length || now.join('\n') !== velmoDom.before.join('\n')) {
      console.error("index.html's title screen is not the window's; the window makes\n" +
        Array.prototype.map.call(root.children, function (node) { return node.outerHTML; }).join('\n'));
    }
    velmoDom.prerendered = {};
    velmoDom.adopted = [];
    var early = Module.earlyPress && Module.earlyPress();
    if (early && early.isConnected) {
      Promise.resolve().then(function () { early.click(); });
    }
  },

  // Laid out and drawn exactly under the window, whose own background hides
  // it, and out of reach of input and assistive technology until it goes.
  velmo_dom_understudy__deps: ['$velmoDom'],
  velmo_dom_understudy: function () {
    var window = velmoDom.nodes[velmoDom.root];
    var root = document.createElement('div');
    root.className = window.className;
    root.style.cssText = window.style.cssText;
    root.style.zIndex = -1;
    root.setAttribute('aria-hidden', 'true');
    root.inert = true;
    window.parentNode.insertBefore(root, window);
    velmoDom.understudies.push(root);
    return velmoDom.add(root);
  },

  velmo_dom_create__deps: ['$velmoDom'],
  velmo_dom_create: function (parent, tag, name, cssClass, layer, before) {
    tag = UTF8ToString(tag);
    name = UTF8ToString(name);
    var node = parent === velmoDom.root && velmoDom.adopt(tag, name) || document.createElement(tag);
    // Only the window's own are named: an understudy's would take their ids.
    if (parent === velmoDom.root) {
      node.id = name;
    } else if (node instanceof HTMLCanvasElement) {
      velmoDom.drawn[name] = node;
    }
    node.className = UTF8ToString(cssClass);
    node.style.zIndex = layer;
    velmoDom.nodes[parent].insertBefore(node, before < 0 ? null : velmoDom.nodes[before]);
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

  velmo_dom_screen_scale__deps: ['$velmoDom'],
  velmo_dom_screen_scale: function () {
    return velmoDom.scale().per1024;
  },

  velmo_dom_on_rescale__deps: ['$velmoDom'],
  velmo_dom_on_rescale: function (rescaled, user) {
    window.velmoRescaled = function () { // index.html's velmoFit calls it
      velmoDom.rings.forEach(velmoDom.drawRing);
      {{{ makeDynCall('vi', 'rescaled') }}}(user);
    };
  },

  velmo_dom_show__deps: ['$velmoDom'],
  velmo_dom_show: function (element, shown) {
    velmoDom.nodes[element].hidden = !shown;
  },

  velmo_dom_show_once__deps: ['$velmoDom'],
  velmo_dom_show_once: function (window) {
    var hidden = Array.prototype.filter.call(velmoDom.nodes[window].children, function (node) { return node.hidden; });
    hidden.forEach(function (node) { node.hidden = false; });
    void document.body.offsetTop;
    hidden.forEach(function (node) { node.hidden = true; });
    void document.body.offsetTop;
  },

  velmo_dom_text__deps: ['$velmoDom'],
  velmo_dom_text: function (element, text) {
    velmoDom.nodes[element].textContent = UTF8ToString(text);
  },

  velmo_dom_caption__deps: ['$velmoDom'],
  velmo_dom_caption: function (element, text, keyAt) {
    var node = velmoDom.nodes[element];
    var before = UTF8ToString(text, keyAt < 0 ? undefined : keyAt);
    node.textContent = before;
    if (keyAt >= 0) {
      var key = document.createElement('u');
      key.textContent = UTF8ToString(text + keyAt, 1);
      node.appendChild(key);
      node.appendChild(document.createTextNode(UTF8ToString(text + keyAt + 1)));
    }
  },

  velmo_dom_focus_ring__deps: ['$velmoDom'],
  velmo_dom_focus_ring: function (element, xy, count, left, top, width, height, colour) {
    var ring = {node: velmoDom.nodes[element], xy: Array.from(HEAP32.subarray(xy >> 2, (xy >> 2) + 2 * count)),
                left: left, top: top, width: width, height: height, colour: UTF8ToString(colour)};
    velmoDom.drawRing(ring);
    velmoDom.rings.push(ring);
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
  velmo_dom_after_first_frame__deps: ['$velmoDom'],
  velmo_dom_after_first_frame: function (done, user) {
    var afterFrame = function (then) {
      requestAnimationFrame(function () { setTimeout(then, 0); });
    };
    var steps = [
      function () { {{{ makeDynCall('vi', 'done') }}}(user); },
      // Each canvas the understudy drew, drawn again in a frame of its own:
      // a canvas keeps the two buffers the compositor takes from it in turn,
      // and making them is the costly part of showing a canvas.
      function () {
        Object.keys(velmoDom.drawn).forEach(function (name) {
          var canvas = velmoDom.drawn[name];
          canvas.getContext('2d').drawImage(canvas, 0, 0);
        });
      },
      function () {
        // The understudy's canvases are now made and drawn at mission 1's
        // size: the window's own hidden canvas of the same name gives way to
        // each, so that the first Start makes none. Only where the sizes
        // differ, so that the view sees the change (see velmo_dom_canvas_size)
        // before it shows the canvas.
        Object.keys(velmoDom.drawn).forEach(function (name) {
          var drawn = velmoDom.drawn[name], own = document.getElementById(name);
          var at = velmoDom.nodes.indexOf(own);
          if (at < 0 || !own.hidden || (own.width === drawn.width && own.height === drawn.height)) {
            return;
          }
          drawn.id = own.id;
          drawn.style.cssText = own.style.cssText;
          drawn.hidden = true;
          own.replaceWith(drawn);
          var from = velmoDom.nodes.indexOf(drawn);
          velmoDom.contexts[at] = velmoDom.context(from);
          velmoDom.nodes[at] = drawn;
          velmoDom.nodes[from] = velmoDom.contexts[from] = null;
        });
        velmoDom.drawn = {};
        velmoDom.understudies.forEach(function (root) { root.remove(); });
        velmoDom.understudies = [];
        velmoDom.nodes.forEach(function (node, i) {
          if (node && !node.isConnected) {
            velmoDom.nodes[i] = velmoDom.contexts[i] = null;
          }
        });
        performance.mark('velmo-ready');
      },
    ];
    var next = function () {
      steps.shift()();
      if (steps.length) {
        afterFrame(next);
      }
    };
    // The first frame is on the screen once the browser reports its first
    // contentful paint, which it does when the frame is presented: work begun
    // as soon as the frame is made would compete with drawing it.
    if (window.PerformanceObserver && PerformanceObserver.supportedEntryTypes.indexOf('paint') >= 0) {
      new PerformanceObserver(function (list, observer) {
        if (list.getEntriesByName('first-contentful-paint').length) {
          observer.disconnect();
          setTimeout(next, 0);
        }
      }).observe({ type: 'paint', buffered: true });
    } else {
      afterFrame(next);
    }
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
