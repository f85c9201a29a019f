// The DOM calls of the page's view (declared in dom.h), and nothing else:
// the page's start (start.js) fits the window, draws the focus rings and
// takes the presses. Elements are kept in one list and named by their place
// in it, so C++ holds plain numbers.
var velmoCalls = {
  $velmoDom: {
    nodes: [],
    contexts: [],
    context: function (canvas) {
      if (!velmoDom.contexts[canvas]) {
        velmoDom.contexts[canvas] = velmoDom.nodes[canvas].getContext('2d', { alpha: false });
      }
      return velmoDom.contexts[canvas];
    },
  },

  velmo_dom_element: function (id) {
    var node = document.getElementById(UTF8ToString(id));
    if (!node) {
      throw new Error('the page has no element ' + UTF8ToString(id));
    }
    return velmoDom.nodes.push(node) - 1;
  },

  velmo_dom_style: function (element, property, value) {
    velmoDom.nodes[element].style.setProperty(UTF8ToString(property), UTF8ToString(value));
  },

  velmo_dom_class: function (element, cssClass) {
    velmoDom.nodes[element].className = UTF8ToString(cssClass);
  },

  // In window pixels: the page's CSS puts the edges on screen pixels.
  velmo_dom_box: function (element, left, top, width, height) {
    var s = velmoDom.nodes[element].style;
    s.setProperty('--x', left);
    s.setProperty('--y', top);
    s.setProperty('--w', width);
    s.setProperty('--h', height);
  },

  velmo_dom_screen_scale: function () {
    return velmo.per1024; // start.js's, as it last fitted the window
  },

  velmo_dom_on_rescale: function (rescaled, user) {
    velmo.rescaled = function () {
      {{{ makeDynCall('vi', 'rescaled') }}}(user);
    };
  },

  velmo_dom_show: function (element, shown) {
    velmoDom.nodes[element].hidden = !shown;
  },

  velmo_dom_text: function (element, text) {
    velmoDom.nodes[element].textContent = UTF8ToString(text);
  },

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

  velmo_dom_put_pixels: function (canvas, rgba, left, top, width, height) {
    var pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    velmoDom.context(canvas).putImageData(new ImageData(pixels, width, height), left, top);
  },

  velmo_dom_mark: function (name) {
    performance.mark(UTF8ToString(name));
  },

  velmo_dom_focused: function (element) {
    return document.activeElement === velmoDom.nodes[element] ? 1 : 0;
  },

  velmo_dom_focus: function (element) {
    // The window never scrolls, not even to show the focus.
    velmoDom.nodes[element].focus({ preventScroll: true });
  },

  velmo_dom_blur: function (element) {
    velmoDom.nodes[element].blur();
  },

  // start.js's queue first, then each press as it comes: a button, or the
  // letter of an access key.
  velmo_dom_take_presses: function (pressed, user) {
    velmo.take = function (press) {
      var button = typeof press === 'string' ? -1 : velmoDom.nodes.indexOf(press);
      if (typeof press === 'string' || button >= 0) {
        {{{ makeDynCall('viii', 'pressed') }}}(user, button, typeof press === 'string' ? press.charCodeAt(0) : 0);
      }
    };
    velmo.presses.splice(0).forEach(velmo.take);
  },

  velmo_dom_report: function (message) {
    var text = UTF8ToString(message);
    console.error(text);
    alert(text);
  },
};
// Every call reaches the elements through the one list.
Object.keys(velmoCalls).forEach(function (name) {
  if (name[0] !== '$') {
    velmoCalls[name + '__deps'] = ['$velmoDom'];
  }
});
mergeInto(LibraryManager.library, velmoCalls);
