// The page of photoquant serve. Everything it shows comes from the server as the module's list
// controls and dialog pages hold it: header texts, widths, alignment and every cell text are
// shown as they are, no number is formatted here. Changes arrive as server-sent events.
"use strict";

const ROW_HEIGHT = 18;
const BLOCK = 200;  // rows fetched at a time
const OVERSCAN = 10;

async function api(path, body) {
  const init = body === undefined ? {} : {
    method: "POST", headers: {"Content-Type": "application/json"}, body: JSON.stringify(body)};
  const res = await fetch(path, init);
  if (!res.ok) throw new Error(path + ": " + res.status);
  const type = res.headers.get("Content-Type") || "";
  return type.startsWith("application/json") ? res.json() : res.text();
}

function el(tag, cls, text) {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  if (text !== undefined) e.textContent = text;
  return e;
}

// ---- a list view, rows rendered only where they are seen ------------------------------------

class ListView {
  constructor(root) {
    this.root = root;
    this.name = root.dataset.list;
    this.columns = [];
    this.rowCount = 0;
    this.rows = new Map();  // row index -> {data, cells}
    this.pending = new Set();
    this.selected = -1;
    this.header = el("div", "header");
    this.body = el("div", "body");
    this.spacer = el("div", "spacer");
    this.body.appendChild(this.spacer);
    root.append(this.header, this.body);
    this.body.addEventListener("scroll", () => {
      this.header.scrollLeft = this.body.scrollLeft;
      this.render();
    });
    this.body.addEventListener("contextmenu", (e) => this.contextMenu(e));
    this.body.addEventListener("click", (e) => {
      const row = e.target.closest(".row");
      this.selected = row ? Number(row.dataset.row) : -1;
      selectionChanged(this);
      this.render();
    });
  }

  async reload() {
    const first = Math.floor(this.body.scrollTop / ROW_HEIGHT);
    const from = Math.max(0, first - OVERSCAN);
    const content = await api(`/api/list?name=${this.name}&from=${from}&count=${BLOCK}`);
    this.columns = content.columns;
    this.rowCount = content.rowCount;
    this.rows.clear();
    this.take(content);
    this.renderHeader();
    this.render();
  }

  take(content) {
    content.rows.forEach((r) => this.rows.set(r.row, r));
  }

  async fetchBlock(block) {
    if (this.pending.has(block)) return;
    this.pending.add(block);
    try {
      this.take(await api(`/api/list?name=${this.name}&from=${block * BLOCK}&count=${BLOCK}`));
      this.render();
    } finally {
      this.pending.delete(block);
    }
  }

  renderHeader() {
    this.header.replaceChildren();
    let x = 0;
    this.columns.forEach((c, i) => {
      const head = el("div", "head " + c.align, c.text);
      head.style.left = x + "px";
      head.style.width = c.width + "px";
      this.header.appendChild(head);
      x += c.width;
      const divider = el("div", "divider");
      divider.style.left = (x - 3) + "px";
      divider.dataset.column = i;
      divider.addEventListener("mousedown", (e) => this.dragDivider(e, i));
      this.header.appendChild(divider);
    });
    this.width = x;
    this.header.style.width = "100%";
    this.spacer.style.width = x + "px";
  }

  render() {
    this.spacer.style.height = this.rowCount * ROW_HEIGHT + "px";
    const first = Math.max(0, Math.floor(this.body.scrollTop / ROW_HEIGHT) - OVERSCAN);
    const last = Math.min(this.rowCount,
        Math.ceil((this.body.scrollTop + this.body.clientHeight) / ROW_HEIGHT) + OVERSCAN);
    // The blocks just above and below the view are fetched ahead, so scrolling finds them there.
    for (let b = Math.max(0, first - BLOCK / 2); b < Math.min(this.rowCount, last + BLOCK / 2);
         b += BLOCK / 2) {
      if (!this.rows.has(b)) this.fetchBlock(Math.floor(b / BLOCK));
    }
    const shown = [];
    for (let i = first; i < last; ++i) {
      const row = this.rows.get(i);
      if (!row) {
        this.fetchBlock(Math.floor(i / BLOCK));
        continue;
      }
      shown.push(this.rowElement(row));
    }
    this.spacer.replaceChildren(...shown);
  }

  rowElement(row) {
    const e = el("div", "row" + (row.row === this.selected ? " selected" : "") +
                        (row.fresh ? " fresh" : ""));
    row.fresh = false;
    e.style.top = row.row * ROW_HEIGHT + "px";
    e.style.width = this.width + "px";
    e.dataset.row = row.row;
    e.dataset.data = row.data;
    let x = 0;
    this.columns.forEach((c, i) => {
      const cell = el("div", "cell " + c.align, row.cells[i] || "");
      cell.style.left = x + "px";
      cell.style.width = c.width + "px";
      e.appendChild(cell);
      x += c.width;
    });
    return e;
  }

  // One row rewritten by the view while measuring.
  updateRow(event) {
    event.fresh = true;
    this.rows.set(event.row, event);
    this.render();
  }

  // The divider follows the mouse; on release the view hears the header's begin-track
  // notification and the new width, as from a real header.
  dragDivider(e, column) {
    e.preventDefault();
    const startX = e.clientX;
    const startWidth = this.columns[column].width;
    const move = (m) => {
      this.columns[column].width = Math.max(0, startWidth + m.clientX - startX);
      this.renderHeader();
      this.render();
    };
    const up = () => {
      window.removeEventListener("mousemove", move);
      window.removeEventListener("mouseup", up);
      api("/api/list/track", {list: this.name, column, width: this.columns[column].width})
          .catch(showError);
    };
    window.addEventListener("mousemove", move);
    window.addEventListener("mouseup", up);
  }

  async contextMenu(e) {
    e.preventDefault();
    const box = this.body.getBoundingClientRect();
    const x = Math.round(e.clientX - box.left + this.body.scrollLeft);
    const y = Math.round(e.clientY - box.top + 21);
    const answer = await api("/api/list/menu", {list: this.name, x, y});
    if (answer.menu) showMenu(this.name, e.clientX, e.clientY);
  }
}

// ---- the host's menu: copy a list ------------------------------------------------------------

let menuList = null;

function showMenu(list, x, y) {
  const menu = document.getElementById("menu");
  menuList = list;
  menu.style.left = x + "px";
  menu.style.top = y + "px";
  menu.hidden = false;
}

async function copyList(format) {
  document.getElementById("menu").hidden = true;
  const text = await api(`/api/list/copy?name=${menuList}&format=${format}`);
  try {
    await navigator.clipboard.writeText(text);
  } catch (e) {
    const area = el("textarea");
    area.value = text;
    document.body.appendChild(area);
    area.select();
    document.execCommand("copy");
    area.remove();
  }
}

// ---- measuring -------------------------------------------------------------------------------

let state = null;
const lists = new Map();

function showState(s) {
  state = s;
  document.getElementById("title").textContent = s.title;
  document.getElementById("source").textContent = s.source;
  document.title = "photoquant: " + s.title;
  document.getElementById("measure").disabled = s.measuring;
  const pause = document.getElementById("pause");
  pause.disabled = !s.measuring;
  pause.textContent = s.paused ? "Resume" : "Pause";
  document.getElementById("stop").disabled = !s.measuring;
  document.getElementById("status").textContent = s.measuring
      ? `${s.paused ? "Paused" : "Measuring"}: step ${s.stepsTaken} of ${s.steps}`
      : (s.stepsTaken === s.steps ? "Measured" : `Stopped at step ${s.stepsTaken} of ${s.steps}`);
  document.body.dataset.calibrated = s.calibrated;
  document.body.dataset.measuring = s.measuring;
  document.body.dataset.measurement = s.measurement;
  selectionChanged();
  showPlot(s.plot);
}

async function showPlot(shown) {
  const svg = shown ? await api("/api/plot") : "";
  for (const id of ["plot-standards", "plot-unknowns"]) {
    const box = document.getElementById(id);
    if (box.dataset.shown !== String(shown)) {
      box.innerHTML = svg;
      box.dataset.shown = String(shown);
    }
  }
}

let selectedList = null;

function selectionChanged(list) {
  if (list) selectedList = list;
  const ok = state && !state.measuring && selectedList &&
             (selectedList.name === "standards" || selectedList.name === "unknowns") &&
             selectedList.selected >= 0 &&
             Number(selectedList.rows.get(selectedList.selected)?.data) >= 0;
  document.getElementById("remeasure").disabled = !ok;
}

async function remeasure() {
  const list = selectedList;
  const point = Number(list.rows.get(list.selected).data);
  const reps = state[list.name].replicates;
  await api("/api/remeasure", {doc: list.name, sample: Math.floor(point / reps),
                               replicate: point % reps});
}

// ---- the data property pages -----------------------------------------------------------------

let sheetDoc = "standards";
let sheetPage = "info";
// The page's requests go one after another: typed text reaches the edit in the order it was typed,
// and Apply comes after the last keystroke.
let pageWork = Promise.resolve();

function queued(work) {
  pageWork = pageWork.then(work, work);
  return pageWork;
}

async function showPage() {
  const page = await api(`/api/page?doc=${sheetDoc}&page=${sheetPage}`);
  const box = document.getElementById("page");
  box.replaceChildren();
  box.style.width = page.w + "px";
  box.style.height = page.h + "px";
  box.dataset.caption = page.caption;
  for (const c of page.controls) box.appendChild(control(c));
  document.getElementById("apply").disabled = !page.applyEnabled;
}

function place(e, c) {
  e.style.left = c.x + "px";
  e.style.top = c.y + "px";
  e.style.width = c.w + "px";
  e.style.height = c.h + "px";
  e.dataset.id = c.id;
  e.classList.add("control");
  if (c.visible === false) e.style.visibility = "hidden";
  return e;
}

const ES_MULTILINE = 0x0004;
const ES_READONLY = 0x0800;
const BS_GROUPBOX = 0x0007;

function control(c) {
  switch (c.kind) {
    case "COMBOBOX": {
      const select = el("select");
      (c.entries || []).forEach((text, i) => {
        const option = el("option", null, text);
        option.value = i;
        select.appendChild(option);
      });
      select.value = c.selected;
      select.disabled = !c.enabled;
      select.addEventListener("change", () => queued(async () => {
        await api("/api/page/select", {doc: sheetDoc, index: Number(select.value)});
        await showPage();
      }));
      const p = place(select, c);
      p.style.height = "";
      return p;
    }
    case "EDIT": {
      const multi = (c.style & ES_MULTILINE) !== 0;
      const edit = el(multi ? "textarea" : "input");
      edit.value = c.text;
      edit.readOnly = (c.style & ES_READONLY) !== 0;
      edit.disabled = !c.enabled;
      edit.addEventListener("input", () => {
        const text = edit.value;
        queued(async () => {
          const answer = await api("/api/page/edit", {doc: sheetDoc, id: c.id, text});
          if (answer.ok) document.getElementById("apply").disabled = false;
        });
      });
      return place(edit, c);
    }
    case "SysListView32": {
      const box = el("div", "list");
      place(box, c);
      const view = new ListView(box);
      view.columns = c.list.columns;
      view.rowCount = c.list.rowCount;
      view.take(c.list);
      view.renderHeader();
      requestAnimationFrame(() => view.render());
      return box;
    }
    default: {
      if (c.kind === "BUTTON" && (c.style & 0xF) === BS_GROUPBOX) {
        const group = el("div", "group");
        group.appendChild(el("span", null, c.text));
        return place(group, c);
      }
      return place(el("div", "static", c.text), c);
    }
  }
}

// ---- wiring ----------------------------------------------------------------------------------

function showError(e) {
  document.getElementById("status").textContent = String(e.message || e);
}

function scheduleReload(list) {
  if (list.reloading) return;
  list.reloading = true;
  requestAnimationFrame(() => {
    list.reloading = false;
    list.reload().catch(showError);
  });
}

function listen() {
  const events = new EventSource("/api/events");
  events.onmessage = (m) => {
    const event = JSON.parse(m.data);
    if (event.kind === "row") {
      lists.get(event.list)?.updateRow(event);
    } else if (event.kind === "list") {
      const list = lists.get(event.list);
      if (list) scheduleReload(list);
    } else if (event.kind === "state") {
      showState(event);
    } else if (event.kind === "reload") {
      lists.forEach(scheduleReload);
      api("/api/state").then(showState);
    }
  };
}

function openTab(name) {
  document.querySelectorAll("#tabs button").forEach((b) =>
      b.classList.toggle("active", b.dataset.tab === name));
  document.querySelectorAll(".tab").forEach((t) =>
      t.classList.toggle("active", t.id === "tab-" + name));
  if (name === "properties") {
    showPage().catch(showError);
  } else {
    lists.forEach((l) => l.render());
  }
}

window.addEventListener("DOMContentLoaded", async () => {
  document.querySelectorAll("main > section .list").forEach((root) =>
      lists.set(root.dataset.list, new ListView(root)));
  document.querySelectorAll("#tabs button").forEach((b) =>
      b.addEventListener("click", () => openTab(b.dataset.tab)));
  document.querySelectorAll("#pagetabs button").forEach((b) => b.addEventListener("click", () => {
    sheetPage = b.dataset.page;
    document.querySelectorAll("#pagetabs button").forEach((o) =>
        o.classList.toggle("active", o === b));
    showPage().catch(showError);
  }));
  document.querySelectorAll("input[name=sheetdoc]").forEach((r) =>
      r.addEventListener("change", () => {
        sheetDoc = r.value;
        showPage().catch(showError);
      }));
  document.getElementById("apply").addEventListener("click", () => queued(async () => {
    await api("/api/page/apply", {doc: sheetDoc});
    await showPage();
  }));
  document.getElementById("cancel").addEventListener("click", () => queued(async () => {
    await api("/api/page/cancel", {doc: sheetDoc});
    await showPage();
  }));
  document.getElementById("measure").addEventListener("click", () =>
      api("/api/measure", {rate: Number(document.getElementById("rate").value)})
          .catch(showError));
  document.getElementById("pause").addEventListener("click", () =>
      api(state.paused ? "/api/resume" : "/api/pause", {}).catch(showError));
  document.getElementById("stop").addEventListener("click", () =>
      api("/api/stop", {}).catch(showError));
  document.getElementById("remeasure").addEventListener("click", () =>
      remeasure().catch(showError));
  document.querySelectorAll("#menu button").forEach((b) =>
      b.addEventListener("click", () => copyList(b.dataset.format).catch(showError)));
  document.addEventListener("click", (e) => {
    if (!e.target.closest("#menu")) document.getElementById("menu").hidden = true;
  });
  listen();
  showState(await api("/api/state"));
  await Promise.all([...lists.values()].map((l) => l.reload()));
  document.body.dataset.ready = "true";
});
