// The engine in WebAssembly: one call, a request object in, the reply object out
// ({ok: true, answer} or {ok: false, kind, reason, message}). Every number the page shows comes
// from here; the page only lays the answers out.
import createQuorlan from './quorlan.js';

const kLongestRequest = 16384;

export async function loadEngine() {
  const module = await createQuorlan();
  const answer = module.cwrap('quorlan_answer', 'string', ['string']);
  return {
    ask(request) {
      const json = JSON.stringify(request);
      // The request is copied onto the engine's stack: a text far beyond any real input (a
      // pasted address, say) is refused here instead.
      if (json.length > kLongestRequest) {
        return {ok: false, kind: 'bad_input', reason: 'request_too_long', message: 'an input is too long'};
      }
      return JSON.parse(answer(json));
    },
  };
}
