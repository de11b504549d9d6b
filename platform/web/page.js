// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

// The page of the browser front end: its windows, controls and live region, the
// page's input queued for the module, and the text it measures and draws. The module
// is called only when it is idle; whatever arrives while a handler yields waits in
// the queue, and the yield takes it.

var LibraryFormsPage = {
  $FormsPage__postset: 'FormsPage.init();',
  $FormsPage: {
    ratio: 1,
    queue: [],
    busy: false,
    ready: false,
    ended: false,
    elements: {},
    windows: {},
    timers: {},
    resumers: [],
    pressed: null,
    speaker: 0,
    measure: null,
    scrollWidth: 0,

    init: function() {
      FormsPage.ratio = window.devicePixelRatio || 1;
      FormsPage.measure = document.createElement('canvas').getContext('2d');
      window.addEventListener('message', function(event) {
        if (event.source !== window || typeof event.data !== 'string') return;
        if (event.data === 'forms-turn') {
          FormsPage.enqueue({kind: 9});
        } else if (event.data === 'forms-resume') {
          var resume = FormsPage.resumers.shift();
          if (resume) resume();
        }
      });
      document.addEventListener('keydown', FormsPage.keyDown, true);
      document.addEventListener('focusin', FormsPage.focusChange);
      document.addEventListener('focusout', FormsPage.focusChange);
    },

    // Input for the module: taken by a yield while the module waits in one, else
    // handed over as soon as the module is idle.
    enqueue: function(input) {
      if (FormsPage.ended) return;
      var last = FormsPage.queue[FormsPage.queue.length - 1];
      // A pointer gliding on while the module is busy: only where it went counts.
      if (input.kind === 1 && last && last.kind === 1 && last.target === input.target &&
          last.buttons === input.buttons) {
        FormsPage.queue[FormsPage.queue.length - 1] = input;
      } else {
        FormsPage.queue.push(input);
      }
      FormsPage.pump();
    },

    pump: function() {
      if (FormsPage.busy || !FormsPage.ready || FormsPage.ended || FormsPage.queue.length === 0) return;
      FormsPage.busy = true;
      Promise.resolve(Module['ccall']('forms_dispatch', null, [], [], {async: true})).then(function() {
        FormsPage.busy = false;
        FormsPage.pump();
      });
    },

    // Resolved at the next turn of the page's event loop or, paced, at its next frame.
    nextTurn: function(paced) {
      return new Promise(function(resolve) {
        if (paced) {
          requestAnimationFrame(function() { resolve(); });
        } else {
          FormsPage.resumers.push(resolve);
          window.postMessage('forms-resume', '*');
        }
      });
    },

    // The device pixel that holds a CSS position worked out from a device position
    // as device / ratio, rounded to single precision as pointer events are: the last
    // pixel whose corner, so worked out, is not past the position.
    devicePixel: function(position) {
      var ratio = FormsPage.ratio;
      var corner = function(device) { return Math.min(Math.fround(device / ratio), Math.fround(device * (1 / ratio))); };
      var pixel = Math.floor(position * ratio);
      if (corner(pixel) > position) --pixel;
      else if (corner(pixel + 1) <= position) ++pixel;
      return pixel;
    },

    buttonMask: function(buttons) {
      return (buttons & 1 ? 1 : 0) | (buttons & 2 ? 2 : 0) | (buttons & 4 ? 4 : 0);
    },

    shiftMask: function(event) {
      return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
    },

    pointer: function(win, kind, event) {
      var box = win.client.getBoundingClientRect();
      var left = Math.round(box.left * FormsPage.ratio);
      var top = Math.round(box.top * FormsPage.ratio);
      var input = {kind: kind, target: win.id, x: FormsPage.devicePixel(event.clientX) - left,
                   y: FormsPage.devicePixel(event.clientY) - top, button: 0,
                   buttons: FormsPage.buttonMask(event.buttons), key: 0, modifiers: FormsPage.shiftMask(event)};
      if (kind !== 1) input.button = [1, 4, 2][event.button] || 0;
      FormsPage.enqueue(input);
    },

    keys: {ArrowLeft: 1, ArrowRight: 2, ArrowUp: 3, ArrowDown: 4, PageUp: 5, PageDown: 6, Home: 7, End: 8,
           Enter: 9, ' ': 11, Spacebar: 11, Escape: 12, Esc: 12},

    keyDown: function(event) {
      var key = FormsPage.keys[event.key] || 0;
      if (event.key === 'Enter' && event.location === 3) key = 10;
      var element = document.activeElement;
      var target = element && element.formsId;
      var win = element && element.closest && element.closest('.forms-window');
      if (!key || !win || FormsPage.ended) return;
      var isButton = element.tagName === 'BUTTON';
      // A button clicks itself for Space and Enter, once however long they are held.
      if (isButton && key !== 12) {
        if (event.repeat) event.preventDefault();
        return;
      }
      if (key !== 12 && !element.formsProbe) return;
      event.preventDefault();
      var modifiers = (event.shiftKey ? 1 : 0) | (event.ctrlKey || event.altKey || event.metaKey ? 2 : 0) |
                      (event.repeat ? 4 : 0);
      FormsPage.enqueue({kind: 5, target: target || win.formsId, x: win.formsId, y: 0, button: 0, buttons: 0,
                         key: key, modifiers: modifiers});
    },

    focusChange: function(event) {
      if (event.target && event.target.formsId)
        FormsPage.enqueue({kind: 6, target: event.target.formsId, x: 0, y: 0, button: 0, buttons: 0, key: 0,
                           modifiers: 0});
    },

    // A family the forms name, as the page's CSS names it: Liberation Sans is the
    // page's own renamed copy of it.
    family: function(name) {
      return '"' + (name === 'Liberation Sans' ? 'Farbenlehre Sans' : name) + '", sans-serif';
    },

    fontOf: function(family, size, bold) {
      return (bold ? 'bold ' : '') + size + 'px ' + FormsPage.family(family);
    },

    // A line's height, as the font's own ascent and descent make it.
    lineHeight: function(context, size) {
      var metrics = context.measureText('Hg');
      if (metrics.fontBoundingBoxAscent !== undefined)
        return Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
      return Math.ceil(size * 1.149);
    },

    ascent: function(context, size) {
      var metrics = context.measureText('Hg');
      return metrics.fontBoundingBoxAscent !== undefined ? metrics.fontBoundingBoxAscent : size * 0.905;
    },

    // The text broken into lines at spaces, each as long as fits the width.
    lines: function(context, text, width) {
      var words = text.split(' ');
      var lines = [];
      var line = '';
      for (var i = 0; i < words.length; ++i) {
        var tried = line === '' ? words[i] : line + ' ' + words[i];
        if (line !== '' && context.measureText(tried).width > width) {
          lines.push(line);
          line = words[i];
        } else {
          line = tried;
        }
      }
      lines.push(line);
      return lines;
    },

    control: function(id) {
      return FormsPage.elements[id];
    },

    place: function(element, x, y, width, height) {
      element.style.left = x + 'px';
      element.style.top = y + 'px';
      element.style.width = width + 'px';
      element.style.height = height + 'px';
    },

    describe: function(element) {
      var description = element.formsDescription || '';
      if (element.formsLabelTexts) description += (description ? ' ' : '') + element.formsLabelTexts;
      if (description) element.setAttribute('aria-description', description);
      else element.removeAttribute('aria-description');
    }
  },

  forms_page_size__deps: ['$FormsPage'],
  forms_page_size: function(width, height) {
    HEAP32[width >> 2] = document.documentElement.clientWidth;
    HEAP32[height >> 2] = document.documentElement.clientHeight;
  },

  forms_device_ratio__deps: ['$FormsPage'],
  forms_device_ratio: function() { return FormsPage.ratio; },

  forms_refresh_rate: function() { return 60; },

  forms_button_face: function() {
    var probe = document.createElement('span');
    probe.style.color = 'ButtonFace';
    document.body.appendChild(probe);
    var found = getComputedStyle(probe).color.match(/\d+/g) || [240, 240, 240];
    document.body.removeChild(probe);
    return (found[0] << 16) | (found[1] << 8) | (found[2] | 0);
  },

  forms_window_create__deps: ['$FormsPage'],
  forms_window_create: function(id, name, main) {
    var win = {id: id, main: !!main};
    var frame = document.createElement(main ? 'main' : 'section');
    frame.className = 'forms-window ' + (main ? 'main-window' : 'panel');
    frame.id = UTF8ToString(name);
    frame.formsId = id;
    frame.hidden = true;
    if (!main) {
      frame.setAttribute('role', 'dialog');
      frame.tabIndex = -1;
      var bar = document.createElement('header');
      bar.className = 'caption';
      win.caption = document.createElement('h2');
      win.caption.id = frame.id + '-caption';
      frame.setAttribute('aria-labelledby', win.caption.id);
      var close = document.createElement('button');
      close.type = 'button';
      close.className = 'close';
      close.setAttribute('aria-label', 'Schließen');
      close.textContent = '\u00d7';
      close.addEventListener('click', function() {
        FormsPage.enqueue({kind: 7, target: id, x: 0, y: 0, button: 0, buttons: 0, key: 0, modifiers: 0});
      });
      bar.appendChild(win.caption);
      bar.appendChild(close);
      frame.appendChild(bar);
    }
    var client = document.createElement('div');
    client.className = 'client';
    var canvas = document.createElement('canvas');
    canvas.setAttribute('aria-hidden', 'true');
    client.appendChild(canvas);
    var readable = document.createElement('div');
    readable.className = 'readable';
    client.appendChild(readable);
    frame.appendChild(client);
    win.frame = frame;
    win.client = client;
    win.canvas = canvas;
    win.context = canvas.getContext('2d');
    win.readable = readable;
    frame.formsLabelTexts = '';
    ['pointermove', 'pointerdown', 'pointerup'].forEach(function(type, index) {
      canvas.addEventListener(type, function(event) {
        if (type === 'pointerdown') {
          FormsPage.pressed = id;
          canvas.setPointerCapture(event.pointerId);
        }
        // A button held since it was pressed elsewhere moves nothing here.
        if (type === 'pointermove' && event.buttons && FormsPage.pressed !== id) return;
        FormsPage.pointer(win, index + 1, event);
        if (type === 'pointerup') FormsPage.pressed = null;
        if (type !== 'pointermove') event.preventDefault();
      });
    });
    client.addEventListener('wheel', function(event) {
      if (win.scroller && !win.scroller.hidden) {
        win.scroller.scrollTop += event.deltaY;
        event.preventDefault();
      }
    }, {passive: false});
    document.getElementById('forms-page').appendChild(frame);
    FormsPage.windows[id] = win;
    FormsPage.elements[id] = frame;
  },

  forms_window_caption__deps: ['$FormsPage'],
  forms_window_caption: function(id, caption) {
    var win = FormsPage.windows[id];
    var text = UTF8ToString(caption);
    if (win.main) document.title = text.replace(/\s+/g, ' ');
    else win.caption.textContent = text;
    win.frame.setAttribute('aria-label', text.replace(/\s+/g, ' '));
  },

  forms_window_frame__deps: ['$FormsPage'],
  forms_window_frame: function(id, margins) {
    var win = FormsPage.windows[id];
    var sides = win.main ? [0, 0, 0, 0] : [1, 29, 1, 1];
    for (var i = 0; i < 4; ++i) HEAP32[(margins >> 2) + i] = sides[i];
  },

  forms_window_place__deps: ['$FormsPage'],
  forms_window_place: function(id, left, top, width, height, deviceWidth, deviceHeight) {
    var win = FormsPage.windows[id];
    var ratio = FormsPage.ratio;
    // The canvas on whole device pixels, its backing store the size of the picture.
    var x = Math.round(left * ratio) / ratio;
    var y = Math.round(top * ratio) / ratio;
    win.frame.style.left = x + 'px';
    win.frame.style.top = y + 'px';
    win.client.style.width = width + 'px';
    win.client.style.height = height + 'px';
    if (win.canvas.width !== deviceWidth || win.canvas.height !== deviceHeight) {
      win.canvas.width = deviceWidth;
      win.canvas.height = deviceHeight;
    }
    win.canvas.style.width = deviceWidth / ratio + 'px';
    win.canvas.style.height = deviceHeight / ratio + 'px';
  },

  forms_window_show__deps: ['$FormsPage'],
  forms_window_show: function(id, shown) {
    var win = FormsPage.windows[id];
    win.frame.hidden = !shown;
    if (!shown) return;
    if (win.firstFocus && !win.frame.contains(document.activeElement)) win.firstFocus.focus();
    else if (!win.main) win.frame.focus();
  },

  forms_window_active__deps: ['$FormsPage'],
  forms_window_active: function(id) {
    var win = FormsPage.windows[id];
    return !win.frame.hidden && win.frame.contains(document.activeElement) ? 1 : 0;
  },

  forms_window_present__deps: ['$FormsPage'],
  forms_window_present: function(id, pixels, x, y, width, height) {
    var win = FormsPage.windows[id];
    var bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
    win.context.putImageData(new ImageData(bytes, width, height), x, y);
    // When the page first showed a drawn window, for the benchmark.
    if (window.formsFirstDrawn === undefined) window.formsFirstDrawn = performance.now();
  },

  forms_window_scroll__deps: ['$FormsPage'],
  forms_window_scroll: function(id, range, page, shown) {
    var win = FormsPage.windows[id];
    if (!win.scroller) {
      win.scroller = document.createElement('div');
      win.scroller.className = 'scroller';
      win.scroller.appendChild(document.createElement('div'));
      win.scroller.addEventListener('scroll', function() {
        FormsPage.enqueue({kind: 10, target: id, x: 0, y: 0, button: 0, buttons: 0, key: 0, modifiers: 0});
      });
      win.client.appendChild(win.scroller);
    }
    win.scroller.hidden = !shown;
    win.scroller.firstChild.style.height = (range + page) + 'px';
  },

  forms_window_scroll_position__deps: ['$FormsPage'],
  forms_window_scroll_position: function(id) {
    var win = FormsPage.windows[id];
    return win.scroller && !win.scroller.hidden ? Math.round(win.scroller.scrollTop) : 0;
  },

  forms_window_scroll_width__deps: ['$FormsPage'],
  forms_window_scroll_width: function() {
    if (!FormsPage.scrollWidth) {
      var outer = document.createElement('div');
      outer.style.cssText = 'position:absolute;visibility:hidden;overflow-y:scroll;width:100px;height:50px';
      document.body.appendChild(outer);
      FormsPage.scrollWidth = (outer.offsetWidth - outer.clientWidth) || 15;
      document.body.removeChild(outer);
    }
    return FormsPage.scrollWidth;
  },

  forms_control_create__deps: ['$FormsPage'],
  forms_control_create: function(id, windowId, kind, name) {
    var element = FormsPage.elements[id];
    if (!element) {
      if (kind === 1) {
        element = document.createElement('button');
        element.type = 'button';
        element.addEventListener('click', function() {
          FormsPage.enqueue({kind: 4, target: id, x: 0, y: 0, button: 0, buttons: 0, key: 0, modifiers: 0});
        });
      } else if (kind === 2) {
        element = document.createElement('output');
        element.tabIndex = 0;
        element.setAttribute('aria-live', 'off');
      } else {
        element = document.createElement('div');
        element.setAttribute('role', 'img');
        element.formsProbe = true;
        // The pointer reaches the picture under it.
        element.style.pointerEvents = 'none';
        if (kind === 4) element.hidden = true;
      }
      element.className = 'control ' + ['', 'button', 'textbox', 'picture', 'probe-area'][kind];
      element.formsId = id;
      FormsPage.elements[id] = element;
      FormsPage.windows[windowId].client.appendChild(element);
    }
    var text = UTF8ToString(name);
    if (text) element.id = text;
  },

  forms_control_place__deps: ['$FormsPage'],
  forms_control_place: function(id, x, y, width, height) {
    FormsPage.place(FormsPage.elements[id], x, y, width, height);
  },

  forms_control_visible__deps: ['$FormsPage'],
  forms_control_visible: function(id, visible) {
    FormsPage.elements[id].hidden = !visible;
  },

  forms_control_text__deps: ['$FormsPage'],
  forms_control_text: function(id, text) {
    var element = FormsPage.elements[id];
    var shown = UTF8ToString(text);
    if (element.tagName === 'OUTPUT') element.value = shown;
    else element.textContent = shown;
  },

  forms_control_font__deps: ['$FormsPage'],
  forms_control_font: function(id, family, size, bold) {
    var element = FormsPage.elements[id];
    element.style.fontFamily = FormsPage.family(UTF8ToString(family));
    element.style.fontSize = size + 'px';
    element.style.fontWeight = bold ? 'bold' : 'normal';
  },

  forms_control_background__deps: ['$FormsPage'],
  forms_control_background: function(id, rgb) {
    FormsPage.elements[id].style.backgroundColor = '#' + ('00000' + rgb.toString(16)).slice(-6);
  },

  forms_control_accessible__deps: ['$FormsPage'],
  forms_control_accessible: function(id, name, description) {
    var element = FormsPage.elements[id];
    var label = UTF8ToString(name);
    if (label) element.setAttribute('aria-label', label);
    element.formsDescription = UTF8ToString(description);
    FormsPage.describe(element);
  },

  forms_control_focusable__deps: ['$FormsPage'],
  forms_control_focusable: function(id) {
    FormsPage.elements[id].tabIndex = 0;
  },

  forms_control_label_texts__deps: ['$FormsPage'],
  forms_control_label_texts: function(id, texts) {
    var element = FormsPage.elements[id];
    var lines = UTF8ToString(texts);
    var win = FormsPage.windows[id];
    if (win) {
      // A window's labels are its text: each a paragraph a reader reads.
      if (win.readable.formsText === lines) return;
      win.readable.formsText = lines;
      win.readable.textContent = '';
      lines.split('\n').forEach(function(line) {
        if (!line) return;
        var paragraph = document.createElement('p');
        paragraph.textContent = line;
        win.readable.appendChild(paragraph);
      });
    } else if (element.formsLabelTexts !== lines.replace(/\n/g, ' ')) {
      element.formsLabelTexts = lines.replace(/\n/g, ' ');
      FormsPage.describe(element);
    }
  },

  forms_has_focus__deps: ['$FormsPage'],
  forms_has_focus: function(id) {
    return document.activeElement === FormsPage.elements[id] ? 1 : 0;
  },

  forms_focus__deps: ['$FormsPage'],
  forms_focus: function(id) {
    FormsPage.elements[id].focus();
  },

  forms_tab_order__deps: ['$FormsPage'],
  forms_tab_order: function(windowId, ids, count) {
    var win = FormsPage.windows[windowId];
    var first = null;
    for (var i = 0; i < count; ++i) {
      var element = FormsPage.elements[HEAP32[(ids >> 2) + i]];
      win.client.appendChild(element);
      if (!first && element.tagName === 'BUTTON') first = element;
    }
    // The first button has the focus as the window shows.
    win.firstFocus = first;
    if (first && !win.frame.hidden) first.focus();
  },

  forms_marks__deps: ['$FormsPage'],
  forms_marks: function(id, windowId, x, y, width, height, markerX, markerY, shown) {
    var win = FormsPage.windows[windowId];
    var marks = FormsPage.elements['marks' + id];
    if (!marks) {
      marks = {frame: document.createElement('div'), marker: document.createElement('div')};
      marks.frame.className = 'focus-frame';
      marks.marker.className = 'probe-marker';
      win.client.appendChild(marks.frame);
      win.client.appendChild(marks.marker);
      FormsPage.elements['marks' + id] = marks;
    }
    marks.frame.hidden = marks.marker.hidden = !shown;
    FormsPage.place(marks.frame, x, y, width, height);
    marks.marker.style.left = markerX + 'px';
    marks.marker.style.top = markerY + 'px';
  },

  forms_text_fits__deps: ['$FormsPage'],
  forms_text_fits: function(family, size, bold, text, width, height, wrap) {
    var context = FormsPage.measure;
    context.font = FormsPage.fontOf(UTF8ToString(family), size, bold);
    var shown = UTF8ToString(text);
    var lineHeight = FormsPage.lineHeight(context, size);
    if (!wrap) return context.measureText(shown).width <= width && lineHeight <= height ? 1 : 0;
    var lines = FormsPage.lines(context, shown, width);
    var widest = Math.max.apply(null, lines.map(function(line) { return context.measureText(line).width; }));
    return widest <= width && lines.length * lineHeight <= height ? 1 : 0;
  },

  forms_paint_label__deps: ['$FormsPage'],
  forms_paint_label: function(pixels, pictureWidth, pictureHeight, originX, originY, ratio, x, y, width, height,
                              caption, family, size, bold, back, fore, centre) {
    var left = Math.round(x * ratio), top = Math.round(y * ratio);
    var right = Math.round((x + width) * ratio), bottom = Math.round((y + height) * ratio);
    var deviceWidth = right - left, deviceHeight = bottom - top;
    if (deviceWidth <= 0 || deviceHeight <= 0) return;
    var canvas = document.createElement('canvas');
    canvas.width = deviceWidth;
    canvas.height = deviceHeight;
    var context = canvas.getContext('2d');
    context.fillStyle = '#' + ('00000' + back.toString(16)).slice(-6);
    context.fillRect(0, 0, deviceWidth, deviceHeight);
    context.scale(ratio, ratio);
    context.font = FormsPage.fontOf(UTF8ToString(family), size, bold);
    context.fillStyle = '#' + ('00000' + fore.toString(16)).slice(-6);
    context.textBaseline = 'alphabetic';
    var lines = FormsPage.lines(context, UTF8ToString(caption), width);
    var lineHeight = FormsPage.lineHeight(context, size);
    var ascent = FormsPage.ascent(context, size);
    lines.forEach(function(line, index) {
      var lineWidth = context.measureText(line).width;
      context.fillText(line, centre ? (width - lineWidth) / 2 : 0, ascent + index * lineHeight);
    });
    var drawn = new Uint32Array(context.getImageData(0, 0, deviceWidth, deviceHeight).data.buffer);
    var base = pixels >> 2;
    for (var row = 0; row < deviceHeight; ++row) {
      var py = top - originY + row;
      if (py < 0 || py >= pictureHeight) continue;
      for (var column = 0; column < deviceWidth; ++column) {
        var px = left - originX + column;
        if (px < 0 || px >= pictureWidth) continue;
        var rgba = drawn[row * deviceWidth + column];
        HEAPU32[base + py * pictureWidth + px] = 0xFF000000 | ((rgba & 0xFF) << 16) | (rgba & 0xFF00) |
                                                 ((rgba >>> 16) & 0xFF);
      }
    }
  },

  forms_say__deps: ['$FormsPage'],
  forms_say: function(sentence) {
    // Two regions in turn, so that a sentence said twice is said again.
    var regions = [document.getElementById('forms-speech-a'), document.getElementById('forms-speech-b')];
    FormsPage.speaker = 1 - FormsPage.speaker;
    regions[1 - FormsPage.speaker].textContent = '';
    regions[FormsPage.speaker].textContent = UTF8ToString(sentence);
  },

  forms_runtime_error__deps: ['$FormsPage'],
  forms_runtime_error: function(message) {
    var alert = document.getElementById('forms-error');
    alert.hidden = false;
    alert.firstElementChild.textContent = 'Laufzeitfehler: ' + UTF8ToString(message);
    FormsPage.ended = true;
  },

  forms_quit__deps: ['$FormsPage'],
  forms_quit: function(status) {
    FormsPage.ended = true;
    FormsPage.queue = [];
    Object.keys(FormsPage.windows).forEach(function(id) { FormsPage.windows[id].frame.hidden = true; });
    var ended = document.getElementById('forms-ended');
    ended.hidden = false;
    ended.querySelector('button').focus();
  },

  forms_request_turn__deps: ['$FormsPage'],
  forms_request_turn: function() {
    window.postMessage('forms-turn', '*');
  },

  forms_timer_start__deps: ['$FormsPage'],
  forms_timer_start: function(id, milliseconds) {
    FormsPage.timers[id] = setTimeout(function() {
      delete FormsPage.timers[id];
      FormsPage.enqueue({kind: 8, target: id, x: 0, y: 0, button: 0, buttons: 0, key: 0, modifiers: 0});
    }, milliseconds);
  },

  forms_timer_stop__deps: ['$FormsPage'],
  forms_timer_stop: function(id) {
    clearTimeout(FormsPage.timers[id]);
    delete FormsPage.timers[id];
  },

  forms_take_input__deps: ['$FormsPage'],
  forms_take_input: function(input) {
    var next = FormsPage.queue.shift();
    if (!next) return 0;
    var fields = [next.kind, next.target, next.x, next.y, next.button, next.buttons, next.key, next.modifiers];
    for (var i = 0; i < 8; ++i) HEAP32[(input >> 2) + i] = fields[i] | 0;
    return 1;
  },

  forms_page_ready__deps: ['$FormsPage'],
  forms_page_ready: function() {
    FormsPage.ready = true;
    FormsPage.pump();
  }
};

mergeInto(LibraryManager.library, LibraryFormsPage);
