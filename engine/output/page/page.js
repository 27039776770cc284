// The run page: turns the output items (the JSON of each item, in output
// order, in <script class="gg-item"> elements) into the page, and draws each
// chart that carries its Vega-Lite JSON. Every text of the run goes in
// through textContent, never as markup.
(() => {
  'use strict';

  // Above this many data rows a view draws on a canvas: an SVG of that many
  // elements makes the browser crawl.
  const CANVAS_ABOVE_MARKS = 100000;
  // Rows of a chart's data shown when the chart is not drawn.
  const PREVIEW_ROWS = 20;

  const page = {views: [], drawn: 0, failed: 0, charts: 0};
  window.ggraphPage = page;
  const drawings = [];
  let lastId = 0;

  function element(tag, className, text) {
    const node = document.createElement(tag);
    if (className) node.className = className;
    if (text !== undefined && text !== null) node.textContent = String(text);
    return node;
  }

  function newId(prefix) {
    lastId += 1;
    return `${prefix}-${lastId}`;
  }

  function slug(text) {
    return String(text).toLowerCase().replace(/[^a-z0-9]+/g, '-').replace(/^-|-$/g, '') || 'chart';
  }

  // ---- Contents: procedures and, under them, their charts.

  const contents = {list: element('ol', 'gg-contents'), procedure: null, chart: null};

  function contentsEntry(text, id) {
    const entry = element('li');
    const link = element('a', null, text);
    link.href = `#${id}`;
    entry.append(link);
    return entry;
  }

  // Adds entry to the list under parent (an entry), or to the top list.
  function addUnder(parent, entry) {
    if (!parent) {
      contents.list.append(entry);
      return entry;
    }
    let list = parent.querySelector(':scope > ol');
    if (!list) {
      list = element('ol');
      parent.append(list);
    }
    list.append(entry);
    return entry;
  }

  // ---- Echoed command lines, messages, text items.

  function renderLog(item, place) {
    let block = place.lastElementChild;
    if (!block || !block.classList.contains('gg-commands')) {
      block = element('div', 'gg-commands');
      place.append(block);
    }
    const line = element('div', 'gg-line');
    if (item.line) line.id = `line-${item.line}`;
    line.append(element('span', 'gg-line-number', item.line || ''), element('span', 'gg-code', item.text));
    block.append(line);
  }

  function renderMessage(item) {
    const error = item.level >= 3;
    const box = element('div', `gg-message ${error ? 'gg-error' : 'gg-warning'}`);
    box.setAttribute('role', error ? 'alert' : 'status');
    let heading = error ? 'Error' : 'Warning';
    if (item.engineError) heading += ` ${item.engineError}`;
    box.append(element('strong', 'gg-level', heading));
    if (item.line) {
      const link = element('a', 'gg-position', `line ${item.line}, column ${item.column}`);
      link.href = `#line-${item.line}`;
      box.append(' (', link, ')');
    }
    box.append(': ', element('span', 'gg-text', item.text));
    return box;
  }

  function renderTable(item) {
    const table = element('table', 'gg-table');
    if (!item.titleHidden) table.append(element('caption', null, item.title));
    const body = element('tbody');
    for (const row of item.rows) {
      const tr = element('tr');
      const th = element('th', null, row.label);
      th.scope = 'row';
      tr.append(th);
      row.cells.forEach((cell, index) => {
        const shown = row.texts && row.texts[index] !== undefined ? row.texts[index] : cell;
        tr.append(element('td', typeof cell === 'number' ? 'gg-number' : null, shown));
      });
      body.append(tr);
    }
    table.append(body);
    return table;
  }

  // ---- Charts.

  // The value labels of a variable, by the value's text.
  function valueLabels(variable) {
    return new Map((variable.relabels || []).filter((relabel) => !relabel.byIndex)
      .map((relabel) => [String(relabel.value), relabel.label]));
  }

  // The first rows of each data source as a person reads them: columns
  // headed by their variables' labels, values shown by their value labels.
  function dataPreview(item) {
    const details = element('details', 'gg-data');
    details.append(element('summary', null, 'Data'));
    const labels = new Map((item.variables || []).map((v) => [v.name, v.label || v.name]));
    const relabels = new Map((item.variables || []).map((v) => [v.name, valueLabels(v)]));
    for (const source of (item.data && item.data.sources) || []) {
      const table = element('table', 'gg-table');
      table.append(element('caption', null, `${source.name}: ${source.rows} rows`));
      const head = element('tr');
      for (const column of source.columns) {
        const th = element('th', null, labels.get(column.name) || column.name);
        th.title = column.name;
        head.append(th);
      }
      const thead = element('thead');
      thead.append(head);
      const body = element('tbody');
      const shownRows = Math.min(source.rows, PREVIEW_ROWS);
      for (let row = 0; row < shownRows; row += 1) {
        const tr = element('tr');
        for (const column of source.columns) {
          const value = column.values ? column.values[row] : null;
          const label = value === null ? undefined : (relabels.get(column.name) || new Map()).get(String(value));
          const shown = label !== undefined ? label : value === null ? '' : value;
          tr.append(element('td', typeof value === 'number' && label === undefined ? 'gg-number' : null, shown));
        }
        body.append(tr);
      }
      table.append(thead, body);
      details.append(table);
      if (source.rows > shownRows) details.append(element('p', 'gg-note', `${source.rows - shownRows} more rows`));
    }
    return details;
  }

  function sourceText(item) {
    const text = item.gpl || item.document;
    if (!text) return null;
    const details = element('details', 'gg-source');
    details.append(element('summary', null, item.gpl ? 'GPL' : 'Chart document'), element('pre', null, text));
    return details;
  }

  function chartFigure(item, place) {
    const figure = element('figure', 'gg-chart');
    figure.id = newId('chart');
    const description = item.description || 'Chart';
    if (!item.later) {
      figure.append(element('h3', 'gg-description', description));
      contents.chart = addUnder(contents.procedure, contentsEntry(description, figure.id));
    }
    if (item.subtitle) {
      figure.append(element('h4', 'gg-subtitle', item.subtitle));
      addUnder(contents.chart, contentsEntry(item.subtitle, figure.id));
    }
    place.append(figure);
    return figure;
  }

  function notDrawn(figure, item, note) {
    figure.append(element('p', 'gg-note', note));
    if (item.data) figure.append(dataPreview(item));
    const source = sourceText(item);
    if (source) figure.append(source);
  }

  // Data rows of every inline data set of a Vega-Lite chart, for the choice
  // of renderer.
  function inlineRows(spec) {
    let rows = 0;
    const visit = (node) => {
      if (Array.isArray(node)) {
        node.forEach(visit);
      } else if (node && typeof node === 'object') {
        for (const [key, value] of Object.entries(node)) {
          if (key === 'values' && Array.isArray(value)) rows += value.length;
          else if (key === 'datasets' && value && typeof value === 'object') {
            for (const set of Object.values(value)) if (Array.isArray(set)) rows += set.length;
          } else if (typeof value === 'object') visit(value);
        }
      }
    };
    visit(spec);
    return rows;
  }

  const markType = (unit) => (typeof unit.mark === 'string' ? unit.mark : unit.mark && unit.mark.type);
  const continuous = (channel) => channel && ['quantitative', 'temporal'].includes(channel.type);

  // Point charts over two continuous axes pan and zoom: the axes' scales
  // follow a drag and the mouse wheel.
  function addPanAndZoom(spec) {
    const units = spec.layer ? spec.layer : [spec];
    const unit = units.find((u) => ['point', 'circle', 'square'].includes(markType(u)) &&
      continuous((u.encoding || {}).x || (spec.encoding || {}).x) &&
      continuous((u.encoding || {}).y || (spec.encoding || {}).y));
    if (!unit) return;
    unit.params = (unit.params || []).concat([{name: 'ggraphPanZoom', select: 'interval', bind: 'scales'}]);
  }

  // Tooltips show the encoded fields with their titles and formats, unless
  // the chart's own Vega-Lite sets them.
  function addTooltips(spec) {
    spec.config = spec.config || {};
    spec.config.mark = spec.config.mark || {};
    if (spec.config.mark.tooltip === undefined) spec.config.mark.tooltip = {content: 'encoding'};
  }

  function downloadLink(label, fileName, makeUrl) {
    const link = element('a', 'gg-download', label);
    link.href = '#';
    link.dataset.format = label;
    link.addEventListener('click', async (event) => {
      event.preventDefault();
      const target = element('a');
      target.href = await makeUrl();
      target.download = fileName;
      document.body.append(target);
      target.click();
      target.remove();
    });
    return link;
  }

  function addDownloads(figure, view, spec, name) {
    const bar = element('div', 'gg-downloads');
    bar.append('Download: ',
      downloadLink('SVG', `${name}.svg`, () => view.toImageURL('svg')), ' ',
      downloadLink('PNG', `${name}.png`, () => view.toImageURL('png', 2)), ' ',
      downloadLink('Vega-Lite JSON', `${name}.vl.json`, () =>
        URL.createObjectURL(new Blob([JSON.stringify(spec, null, 2)], {type: 'application/json'}))));
    figure.append(bar);
  }

  function draw(figure, item) {
    page.charts += 1;
    const spec = item.vegaLite;
    const name = `${String(page.charts).padStart(2, '0')}-${slug(item.description || 'chart')}` +
      (item.later || item.subtitle ? `-${slug(item.subtitle || page.charts)}` : '');
    addTooltips(spec);
    addPanAndZoom(spec);
    const view = element('div', 'gg-view');
    const renderer = inlineRows(spec) > CANVAS_ABOVE_MARKS ? 'canvas' : 'svg';
    view.dataset.renderer = renderer;
    view.dataset.state = 'pending';
    figure.append(view);
    const drawing = vegaEmbed(view, spec, {mode: 'vega-lite', renderer, actions: false, tooltip: true})
      .then((result) => {
        view.dataset.state = 'rendered';
        page.views.push(result.view);
        page.drawn += 1;
        addDownloads(figure, result.view, spec, name);
      })
      .catch((error) => {
        view.dataset.state = 'failed';
        page.failed += 1;
        view.replaceChildren(element('p', 'gg-note', `This chart could not be drawn: ${error.message}`));
        console.error('chart view failed', error);
      });
    drawings.push(drawing);
  }

  function renderChart(item, place) {
    const figure = chartFigure(item, place);
    if (item.vegaLite) {
      draw(figure, item);
      delete item.data;  // the view holds the data it needs
    } else if (item.thumbnail) {
      notDrawn(figure, item, 'This chart was sent without its data, so it is not drawn.');
    } else {
      notDrawn(figure, item, 'This chart was not drawn.');
    }
  }

  function renderImage(item, place) {
    const figure = chartFigure(item, place);
    const image = element('img', 'gg-image');
    image.alt = item.description || 'Image';
    image.src = `data:${item.mediaType};base64,${item.base64}`;
    figure.append(image);
  }

  function renderOtherChart(note) {
    return (item, place) => notDrawn(chartFigure(item, place), item, note);
  }

  function renderModelMessage(item) {
    const box = element('div', 'gg-model-message');
    box.append(element('strong', null, `Message ${item.messageType}`));
    for (const content of item.contents) {
      box.append(element('pre', null, content.text !== undefined ? content.text : `(${content.base64.length} bytes of base64)`));
    }
    return box;
  }

  function renderUnknown(item) {
    const box = element('div', 'gg-unknown');
    box.append(element('strong', null, item.type), element('pre', null, JSON.stringify(item, null, 2)));
    return box;
  }

  // One row per item type: how it shows on the page.
  const renderers = {
    log: renderLog,
    message: (item, place) => place.append(renderMessage(item)),
    debug: (item, place) => place.append(element('div', 'gg-debug', `Debug: ${item.text}`)),
    splitChange: (item, place) => place.append(element('hr', 'gg-split-change')),
    table: (item, place) => place.append(renderTable(item)),
    chart: renderChart,
    graphService: renderOtherChart('A graph-service document: it is not drawn here.'),
    jsonChart: renderOtherChart('A JSON chart: it is not drawn here.'),
    image: renderImage,
    modelMessage: (item, place) => place.append(renderModelMessage(item)),
  };

  function renderItems() {
    const main = document.getElementById('gg-output');
    let place = main;
    for (const script of Array.from(main.querySelectorAll('script.gg-item'))) {
      const item = JSON.parse(script.textContent);
      script.remove();
      if (item.type === 'procedureBegin') {
        const section = element('section', 'gg-procedure');
        section.id = newId('procedure');
        section.append(element('h2', null, item.title));
        main.append(section);
        place = section;
        contents.procedure = addUnder(null, contentsEntry(item.title, section.id));
        contents.chart = null;
      } else if (item.type === 'procedureEnd') {
        place = main;
        contents.procedure = null;
        contents.chart = null;
      } else {
        (renderers[item.type] || ((i, p) => p.append(renderUnknown(i))))(item, place);
      }
    }
    // A message may name a line that was read but not echoed: no link then.
    for (const link of Array.from(main.querySelectorAll('a.gg-position'))) {
      if (!document.getElementById(link.getAttribute('href').slice(1))) {
        link.replaceWith(element('span', 'gg-position', link.textContent));
      }
    }
    const nav = document.getElementById('gg-contents');
    if (contents.list.childElementCount) nav.append(element('h2', null, 'Contents'), contents.list);
  }

  renderItems();
  document.body.dataset.charts = String(drawings.length);
  Promise.allSettled(drawings).then(() => {
    document.body.dataset.drawn = String(page.drawn);
    document.body.dataset.done = 'true';
  });
})();
