// Answers the page's dimension chains off its main thread, so that typing stays responsive while a
// Monte Carlo run of a million samples is drawn: the same engine, loaded a second time. Each
// message is {id, request}; the reply is {id, reply, ms}. Requests that arrive while one is
// computed wait, and only the newest of them is answered: the page shows no older one anyway.
import {loadEngine} from './engine.js';

const engine = loadEngine();
let newest = null;
let scheduled = false;

async function answerNewest() {
  scheduled = false;
  let loaded;
  try {
    loaded = await engine;
  } catch (error) {
    const message = `the engine could not be loaded: ${error && error.message ? error.message : error}`;
    if (newest) self.postMessage({id: newest.id, reply: {ok: false, kind: 'internal', reason: 'internal_error', message}, ms: 0});
    newest = null;
    return;
  }
  if (!newest) return;
  const {id, request} = newest;
  newest = null;
  const start = performance.now();
  const reply = loaded.ask(request);
  self.postMessage({id, reply, ms: performance.now() - start});
}

self.addEventListener('message', (event) => {
  newest = event.data;
  if (scheduled) return;
  scheduled = true;
  setTimeout(answerNewest, 0);
});
